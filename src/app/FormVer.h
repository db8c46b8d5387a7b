#pragma once

// The About box: the program's name and version on a light green band, its icon, the author line
// and the author's web page. It has no caption; a click anywhere, Escape or the window manager
// closes it, and the address lines open through the desktop.

#include "app/ModalDialog.h"

#include <functional>

#include <QUrl>

class QLabel;

namespace tintora {

class TFormVer : public TModalDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 300;
    static constexpr int ClientHeight = 123;
    static constexpr int FrameWidth = 4; // the sizing frame around the client area

    // Opens a mail or web target with the desktop's default action; false when it could not.
    using TOpenUrl = std::function<bool(const QUrl&)>;

    explicit TFormVer(QWidget* parent = nullptr, TOpenUrl openUrl = {});

    // The caption of LabelMain as the program writes it: two lines separated by a CR.
    static QString MainCaption();

    void FormClick() { close(); }
    // The target of an address line ("mailto:" and the address for the mail line), opened with the
    // busy cursor shown, which is put back whatever happens.
    void CmdLabelsClick(QLabel* label);

    QLabel* LabelMain = nullptr;
    QLabel* imgVerInfoIcon = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* LabelMailad = nullptr;
    QLabel* LabelHomePage = nullptr;

protected:
    void FormShow() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    TOpenUrl openUrl_;
};

} // namespace tintora
