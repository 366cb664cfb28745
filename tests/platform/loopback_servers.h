#pragma once
// Small servers on loopback that a test starts and stops itself (Python 3).
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>
#include <unistd.h>

// A Python program run in the background; its first output line is read as a value
// (the port it listens on). Stopped when the object goes.
class PythonServer {
  public:
    explicit PythonServer(const QString& program, const QStringList& args = {}) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), program} + args);
        if (!process_.waitForStarted(3000) || !process_.waitForReadyRead(5000)) return;
        firstLine_ = QString::fromUtf8(process_.readLine()).trimmed().toStdString();
    }
    ~PythonServer() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    PythonServer(const PythonServer&) = delete;
    PythonServer& operator=(const PythonServer&) = delete;

    bool running() const { return !firstLine_.empty(); }
    const std::string& firstLine() const { return firstLine_; }

  private:
    QProcess process_;
    std::string firstLine_;
};

inline bool havePython() {
    return access("/usr/bin/python3", X_OK) == 0;
}
