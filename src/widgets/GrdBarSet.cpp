#include "widgets/GrdBarSet.h"

#include "widgets/GrdBar.h"

#include <QWidget>

namespace tintora {

TGrdBarSet::TGrdBarSet(QObject* owner) : QObject(owner) {
    for (auto& bar : bars_) {
        bar = new TGrdBar(this);
    }
    SetGrdBarsMode(TGrdBarsMode::gbmESL);
}

TGrdBarSet::~TGrdBarSet() {
    for (auto& bar : bars_) {
        delete bar.data();
    }
}

TGrdBar* TGrdBarSet::Bar(int index) const {
    if (index < 1 || index > static_cast<int>(bars_.size())) {
        return nullptr;
    }
    return bars_[static_cast<std::size_t>(index - 1)];
}

void TGrdBarSet::SetPointer(TPointerType pointer) {
    if (pointer == pointer_) {
        return;
    }
    pointer_ = pointer;
    RepaintBars();
}

TGrdBarsMode TGrdBarSet::GrdBarsMode() const {
    const TGrdBar* first = Bar1();
    return first && first->Element() == TGrdElement::geRed ? TGrdBarsMode::gbmRGB
                                                           : TGrdBarsMode::gbmESL;
}

void TGrdBarSet::SetGrdBarsMode(TGrdBarsMode mode) {
    const bool rgb = mode == TGrdBarsMode::gbmRGB;
    const std::array<TGrdElement, 3> elements =
        rgb ? std::array{TGrdElement::geRed, TGrdElement::geGreen, TGrdElement::geBlue}
            : std::array{TGrdElement::geEqu, TGrdElement::geSat, TGrdElement::geLum};
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        if (bars_[i]) {
            bars_[i]->SetElement(elements[i]);
        }
    }
}

void TGrdBarSet::SetBarParent(int index, QWidget* parent) {
    TGrdBar* bar = Bar(index);
    if (!bar) {
        return;
    }
    // The bar watches its parent itself (see TGrdBar), so it fits on the parent change.
    bar->setParent(parent);
    if (parent) {
        bar->show();
    }
}

QWidget* TGrdBarSet::GetBarParent(int index) const {
    const TGrdBar* bar = Bar(index);
    return bar ? bar->parentWidget() : nullptr;
}

void TGrdBarSet::RepaintBars() {
    for (int index = 1; index <= 3; ++index) {
        RepaintBar(index);
    }
}

void TGrdBarSet::RepaintBar(int index) {
    if (TGrdBar* bar = Bar(index)) {
        bar->repaint();
    }
}

} // namespace tintora
