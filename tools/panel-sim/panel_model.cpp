#include "panel_model.h"

namespace panelsim {

Panel::Panel(const Cells &cells, const Faults &faults) : cells_(cells), faults_(faults) {}

Outcome Panel::handle(const Message &message)
{
    Outcome outcome;
    if (message.kind == MessageKind::Ignored)
        return outcome;

    const int address = message.address;
    if (message.kind != MessageKind::Attention) {
        if (address < 0 || address >= kCellCount) {
            outcome.notes.push_back({"IGN", "address " + std::to_string(address) +
                                                " is outside 0.." + std::to_string(kCellCount - 1) +
                                                ", no answer"});
            return outcome;
        }
        if (address == faults_.hangupAt) {
            outcome.notes.push_back(
                {"FAULT", "hangup-at " + std::to_string(address) + ": closing the device"});
            outcome.hangup = true;
            return outcome;
        }
        if (message.kind == MessageKind::Write) {
            auto &cell = cells_[static_cast<std::size_t>(address)];
            outcome.cellsChanged = cell != message.value;
            cell = static_cast<std::uint8_t>(message.value);
        }
        if (faults_.muteFrom >= 0 && address >= faults_.muteFrom) {
            outcome.notes.push_back({"FAULT", "mute-from " + std::to_string(faults_.muteFrom) +
                                                  ": no answer for address " +
                                                  std::to_string(address)});
            return outcome;
        }
    }

    int delayMs = 0;
    if (message.kind != MessageKind::Attention &&
        faults_.lateReply.test(static_cast<std::size_t>(address))) {
        delayMs = faults_.lateMs;
        outcome.notes.push_back({"FAULT", "late-reply " + std::to_string(address) +
                                              ": answer held back " + std::to_string(delayMs) +
                                              " ms"});
    }

    int minGapMs = 0;
    if (message.kind == MessageKind::Attention && faults_.lateAttentionMs >= 0) {
        if (attentionsAnswered_ == 0) {
            delayMs = faults_.lateAttentionMs;
            outcome.notes.push_back(
                {"FAULT", "late-attention: answer held back " + std::to_string(delayMs) + " ms"});
        } else {
            minGapMs = kBehindLateAttentionMs;
        }
    }

    if (message.kind == MessageKind::Read)
        outcome.replies.push_back({delayMs, readAnswer(address, outcome)});
    else
        addAcknowledgement(outcome, delayMs);
    if (!outcome.replies.empty())
        outcome.replies.front().minGapMs = minGapMs;
    if (message.kind == MessageKind::Attention)
        ++attentionsAnswered_;

    if (message.kind == MessageKind::Read && !outcome.replies.empty() &&
        faults_.strayAfter.test(static_cast<std::size_t>(address))) {
        outcome.notes.push_back({"FAULT", "stray-after " + std::to_string(address) +
                                              ": a stray '7' " + std::to_string(kStrayGapMs) +
                                              " ms after the read answer"});
        outcome.replies.push_back(
            {outcome.replies.back().delayMs + kStrayGapMs, Bytes{'7'}, 0, true});
    }

    if (faults_.silent) {
        for (const Chunk &chunk : outcome.replies)
            outcome.notes.push_back({"FAULT", "silent: not sending " + hex(chunk.bytes)});
        outcome.replies.clear();
    }
    return outcome;
}

void Panel::addAcknowledgement(Outcome &outcome, int delayMs) const
{
    Bytes ack = acknowledgement();
    if (faults_.doubleAck) {
        const Bytes once = ack;
        ack.insert(ack.end(), once.begin(), once.end());
        outcome.notes.push_back({"FAULT", "double-ack: acknowledgement sent twice"});
    }
    if (faults_.splitAck) {
        outcome.notes.push_back({"FAULT", "split-ack: acknowledgement sent in two pieces " +
                                              std::to_string(kSplitAckGapMs) + " ms apart"});
        outcome.replies.push_back({delayMs, Bytes(ack.begin(), ack.begin() + 2)});
        outcome.replies.push_back({delayMs + kSplitAckGapMs, Bytes(ack.begin() + 2, ack.end())});
    } else {
        outcome.replies.push_back({delayMs, std::move(ack)});
    }
}

Bytes Panel::readAnswer(int address, Outcome &outcome)
{
    const auto index = static_cast<std::size_t>(address);
    const std::string where = " " + std::to_string(address) + ": ";
    int value = cells_[index];
    if (faults_.outOfRange.test(index)) {
        outcome.notes.push_back({"FAULT", "out-of-range" + where + "answering 161 instead of " +
                                              std::to_string(value)});
        value = 161;
    } else if (faults_.readbackMismatch.test(index)) {
        const int wrong = (value + 1) & 0xFF;
        outcome.notes.push_back({"FAULT", "readback-mismatch" + where + "answering " +
                                              std::to_string(wrong) + " instead of " +
                                              std::to_string(value)});
        value = wrong;
    }
    Bytes answer = readReply(value);
    if (faults_.noiseReply.test(index)) {
        outcome.notes.push_back({"FAULT", "noise-reply" + where + "answering " + hex(kNoise)});
        answer = kNoise;
    }
    const bool first = readsAnswered_[index]++ == 0;
    if (faults_.damageAlways.test(index) || (first && faults_.damageOnce.test(index))) {
        const Bytes right = answer;
        answer = damaged(answer, faults_.damage);
        outcome.notes.push_back(
            {"FAULT", "damage" + where + "answering " + hex(answer) + " instead of " + hex(right)});
    }
    if (faults_.shortReply.test(index)) {
        answer.resize(3);
        outcome.notes.push_back(
            {"FAULT", "short-reply" + where + "answer cut to three characters"});
    }
    return answer;
}

std::optional<Damage> parseDamage(std::string_view name)
{
    static const std::pair<std::string_view, Damage> kNames[] = {
        {"digit", Damage::Digit},       {"unit", Damage::Unit},   {"letter", Damage::Letter},
        {"blank", Damage::Blank},       {"extra", Damage::Extra}, {"drop", Damage::Drop},
        {"formfeed", Damage::FormFeed},
    };
    for (const auto &[text, damage] : kNames)
        if (name == text)
            return damage;
    return std::nullopt;
}

Bytes damaged(Bytes answer, Damage damage)
{
    if (answer.size() < 5)
        return answer;
    switch (damage) {
    case Damage::Digit:
        answer[0] = answer[0] == '0' ? '1' : '0';
        break;
    case Damage::Unit:
        answer[3] = '2';
        break;
    case Damage::Letter:
        answer[1] = 'u';
        break;
    case Damage::Blank:
        answer[2] = ' ';
        break;
    case Damage::Extra:
        answer.insert(answer.begin() + 1, '5');
        break;
    case Damage::Drop:
        answer.erase(answer.begin() + 1);
        break;
    case Damage::FormFeed:
        answer[4] = '\f';
        break;
    }
    return answer;
}

std::optional<Cells> parseCells(std::string_view text, std::string &error)
{
    auto isSeparator = [](char c) {
        return c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' ||
               c == '\v';
    };

    Cells cells{};
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        while (pos < text.size() && isSeparator(text[pos]))
            ++pos;
        if (pos == text.size())
            break;
        std::size_t end = pos;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view item = text.substr(pos, end - pos);
        const int number = count + 1;

        // Decimal digits only; leading zeros are fine ("007"), signs are not.
        const bool digitsOnly = item.find_first_not_of("0123456789") == std::string_view::npos;
        const std::size_t firstNonZero = item.find_first_not_of('0');
        const std::string_view significant =
            firstNonZero == std::string_view::npos ? std::string_view{} : item.substr(firstNonZero);
        int value = -1;
        if (digitsOnly && significant.size() <= 3) {
            value = 0;
            for (char c : significant)
                value = value * 10 + (c - '0');
        }
        if (value < 0 || value > 255) {
            error = "value " + std::to_string(number) + " \"" + std::string(item) +
                    "\" is not a whole number from 0 to 255";
            return std::nullopt;
        }
        if (count == kCellCount) {
            error = "more than " + std::to_string(kCellCount) + " values";
            return std::nullopt;
        }
        cells[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(value);
        pos = end;
    }
    if (count != kCellCount) {
        error =
            "expected " + std::to_string(kCellCount) + " values, found " + std::to_string(count);
        return std::nullopt;
    }
    return cells;
}

std::string formatCells(const Cells &cells)
{
    std::string line;
    for (std::uint8_t value : cells) {
        if (!line.empty())
            line += ' ';
        line += std::to_string(value);
    }
    line += '\n';
    return line;
}

} // namespace panelsim
