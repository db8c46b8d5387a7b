#include "platform/QtProcessStarter.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

namespace tintora {

namespace {

QStringList ToQStringList(const std::vector<std::string>& args) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(args.size()));
    for (const std::string& arg : args) {
        list << QString::fromStdString(arg);
    }
    return list;
}

int RemainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

} // namespace

bool TQtProcessStarter::StartDetached(const std::string& program,
                                      const std::vector<std::string>& args) {
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(ToQStringList(args));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

std::optional<std::string> TQtProcessStarter::RunForOutput(const std::string& program,
                                                           const std::vector<std::string>& args,
                                                           std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit.count());
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QString::fromStdString(program), ToQStringList(args));
    if (!process.waitForStarted(RemainingMs(deadline))) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (!process.waitForFinished(RemainingMs(deadline))) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        return std::nullopt;
    }
    return process.readAllStandardOutput().toStdString();
}

} // namespace tintora
