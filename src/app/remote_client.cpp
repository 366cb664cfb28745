#include "app/remote_client.h"

#include "app/remote_control.h"
#include "framework/translatable.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_instance_guard.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/linux_zone_database.h"
#include "platform/linux/system_locale.h"
#include "platform/linux/translation.h"
#include "platform/platform.h"

#include <QCoreApplication>

#include <cstdio>

namespace kelvaro {

namespace {

// The clock answers before it shows any box; a tick of a loaded machine may come first.
constexpr int kAnswerTimeoutMs = 15'000;

int print(const RemoteAnswer& answer) {
    const bool done = answer.outcome == RemoteOutcome::Done;
    // The running clock answers in its language; a status read here is translated here.
    std::fprintf(done ? stdout : stderr, "%s%s\n",
                 done ? "" : "kelvaro: ", translatedText(answer.text).c_str());
    return static_cast<int>(answer.outcome);
}

} // namespace

int runRemoteRequest(const CommandLine& line, int argc, char** argv) {
    QCoreApplication core(argc, argv);
    InstanceGuard guard;
    const AskReply reply = InstanceGuard::ask(guard.serverName(), line.remote, kAnswerTimeoutMs);
    switch (reply.result) {
    case AskResult::Answered:
        if (const auto answer = decodeRemoteAnswer(reply.answer)) return print(*answer);
        return print({RemoteOutcome::NoClock, KV_TR("the running clock's answer could not be read")});
    case AskResult::NotThisUser:
        return print(
            {RemoteOutcome::NoClock, KV_TR("the clock's socket belongs to another user: nothing was sent")});
    case AskResult::NoAnswer:
        return print({RemoteOutcome::NoClock, KV_TR("the running clock did not answer")});
    case AskResult::NoListener:
        break;
    }
    if (parseRemoteRequest(line.remote) != RemoteRequest{RemoteCommand::Status}) {
        if (guard.serverName().isEmpty())
            return print({RemoteOutcome::NoClock,
                          KV_TR("no running Kelvaro Clock to ask (no private folder for its socket)")});
        return print({RemoteOutcome::NoClock, KV_TR("no running Kelvaro Clock to ask")});
    }
    // Nothing runs: the status the settings and the city list give.
    LinuxClock clock;
    LinuxZoneDatabase zones;
    Platform platform;
    platform.clock = &clock;
    platform.zones = &zones;
    return print(statusFromFiles(platform, systemLocaleInfo(), resolveProgramDir(argc, argv)));
}

} // namespace kelvaro
