#include "fault_switches.h"

#include "options.h"

#include <bitset>

namespace panelsim {

namespace {

enum {
    OptSilent = 512, // after the other options' values
    OptMuteFrom,
    OptMismatch,
    OptOutOfRange,
    OptShort,
    OptLate,
    OptLateMs,
    OptNoise,
    OptStray,
    OptLateAttention,
    OptSplitAck,
    OptDoubleAck,
    OptHangupAt,
    OptDamageOnce,
    OptDamageAlways,
    OptDamageKind,
    OptConnectSchedule,
};

} // namespace

const option kFaultSwitches[] = {
    {"silent", no_argument, nullptr, OptSilent},
    {"mute-from", required_argument, nullptr, OptMuteFrom},
    {"readback-mismatch", required_argument, nullptr, OptMismatch},
    {"out-of-range", required_argument, nullptr, OptOutOfRange},
    {"short-reply", required_argument, nullptr, OptShort},
    {"late-reply", required_argument, nullptr, OptLate},
    {"late-ms", required_argument, nullptr, OptLateMs},
    {"noise-reply", required_argument, nullptr, OptNoise},
    {"stray-after", required_argument, nullptr, OptStray},
    {"late-attention", required_argument, nullptr, OptLateAttention},
    {"split-ack", no_argument, nullptr, OptSplitAck},
    {"double-ack", no_argument, nullptr, OptDoubleAck},
    {"hangup-at", required_argument, nullptr, OptHangupAt},
    {"damage-once", required_argument, nullptr, OptDamageOnce},
    {"damage-always", required_argument, nullptr, OptDamageAlways},
    {"damage-kind", required_argument, nullptr, OptDamageKind},
    {"connect-schedule", required_argument, nullptr, OptConnectSchedule},
    {nullptr, 0, nullptr, 0},
};

bool takeFaultSwitch(int id, const char *argument, Faults &f)
{
    switch (id) {
    case OptSilent:
        f.silent = true;
        break;
    case OptMuteFrom:
        f.muteFrom = parseAddress(argument, "mute-from");
        break;
    case OptMismatch:
        f.readbackMismatch.set(parseAddress(argument, "readback-mismatch"));
        break;
    case OptOutOfRange:
        f.outOfRange.set(parseAddress(argument, "out-of-range"));
        break;
    case OptShort:
        f.shortReply.set(parseAddress(argument, "short-reply"));
        break;
    case OptLate:
        f.lateReply.set(parseAddress(argument, "late-reply"));
        break;
    case OptLateMs:
        f.lateMs = parseInt(argument, "late-ms", 0, 600000, "a delay from 0 to 600000 ms");
        break;
    case OptNoise:
        f.noiseReply.set(parseAddress(argument, "noise-reply"));
        break;
    case OptStray:
        f.strayAfter.set(parseAddress(argument, "stray-after"));
        break;
    case OptLateAttention:
        f.lateAttentionMs =
            parseInt(argument, "late-attention", 0, 600000, "a delay from 0 to 600000 ms");
        break;
    case OptSplitAck:
        f.splitAck = true;
        break;
    case OptDoubleAck:
        f.doubleAck = true;
        break;
    case OptHangupAt:
        f.hangupAt = parseAddress(argument, "hangup-at");
        break;
    case OptDamageOnce:
        f.damageOnce.set(parseAddress(argument, "damage-once"));
        break;
    case OptDamageAlways:
        f.damageAlways.set(parseAddress(argument, "damage-always"));
        break;
    case OptDamageKind:
        if (const auto damage = parseDamage(argument))
            f.damage = *damage;
        else
            usageError(std::string("--damage-kind: '") + argument + "' is not a kind of damage");
        break;
    case OptConnectSchedule: {
        std::string error;
        const auto schedule = parseSchedule(argument, error);
        if (!schedule)
            usageError(std::string("--connect-schedule: ") + error);
        f.connectSchedule = *schedule;
        break;
    }
    default:
        return false;
    }
    return true;
}

std::string faultSummary(const Faults &f)
{
    std::string text;
    auto add = [&text](const std::string &item) { text += (text.empty() ? "" : " ") + item; };
    auto addSet = [&add](const char *name, const std::bitset<kCellCount> &set) {
        for (int a = 0; a < kCellCount; ++a)
            if (set.test(static_cast<std::size_t>(a)))
                add(std::string("--") + name + " " + std::to_string(a));
    };
    if (f.silent)
        add("--silent");
    if (f.muteFrom >= 0)
        add("--mute-from " + std::to_string(f.muteFrom));
    addSet("readback-mismatch", f.readbackMismatch);
    addSet("out-of-range", f.outOfRange);
    addSet("short-reply", f.shortReply);
    addSet("late-reply", f.lateReply);
    if (f.lateReply.any())
        add("--late-ms " + std::to_string(f.lateMs));
    addSet("noise-reply", f.noiseReply);
    addSet("stray-after", f.strayAfter);
    if (f.lateAttentionMs >= 0)
        add("--late-attention " + std::to_string(f.lateAttentionMs));
    if (f.splitAck)
        add("--split-ack");
    if (f.doubleAck)
        add("--double-ack");
    if (f.hangupAt >= 0)
        add("--hangup-at " + std::to_string(f.hangupAt));
    addSet("damage-once", f.damageOnce);
    addSet("damage-always", f.damageAlways);
    if (f.damageOnce.any() || f.damageAlways.any())
        add("--damage-kind " + std::to_string(static_cast<int>(f.damage)));
    if (!f.connectSchedule.empty()) {
        std::string phases;
        for (const Phase &p : f.connectSchedule)
            phases += (phases.empty() ? "" : ",") + std::string(p.connected ? "on" : "off") +
                      (p.ms < 0 ? "" : ":" + std::to_string(p.ms));
        add("--connect-schedule " + phases);
    }
    return text.empty() ? "none" : text;
}

} // namespace panelsim
