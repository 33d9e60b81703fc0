#pragma once

#include "link_session.h"

#include <memory>
#include <optional>

namespace sim {

// SetComSpeed (0xA0) in front of a Hasar's command set: a speed it offers is taken, to be moved
// to once the reply has been acknowledged; anything else is a field error. Every other command
// goes to the command set unchanged.
class HasarSpeedCommand : public CommandSet {
public:
    explicit HasarSpeedCommand(std::unique_ptr<CommandSet> commands) : commands_(std::move(commands)) {}

    QList<QByteArray> execute(const frame::Frame& request, qint64 nowMs) override;
    std::optional<QList<QByteArray>> bufferFull(const frame::Frame& request) override {
        return commands_->bufferFull(request);
    }
    void cutPower(qint64 nowMs) override {
        requested_.reset();
        commands_->cutPower(nowMs);
    }

    // The speed the last SetComSpeed asked for, once; empty when none is pending.
    std::optional<int> takeRequested() { return std::exchange(requested_, std::nullopt); }
    bool speedRequested() const { return requested_.has_value(); }

private:
    std::unique_ptr<CommandSet> commands_;
    std::optional<int> requested_;
};

}  // namespace sim
