// Makes file saves fail as a full disk would: while an instance lives, the
// nth write to any file being saved fails, or the nth commit does. Counting
// runs over every file saved meanwhile, so a sweep can fail each write of a
// whole operation in turn.
#pragma once

#include "card/atomic_file.h"

#include <memory>

class FailingSaves {
public:
    enum class At { Write, Commit };

    explicit FailingSaves(At at, int nth = 1) : state_(std::make_shared<State>(State{at, nth}))
    {
        card::setSaveDeviceFactory([state = state_](const QString& path) {
            return std::unique_ptr<card::SaveDevice>(new Device(path, state));
        });
    }
    ~FailingSaves() { card::setSaveDeviceFactory(nullptr); }
    FailingSaves(const FailingSaves&) = delete;
    FailingSaves& operator=(const FailingSaves&) = delete;

    bool fired() const { return state_->fired; }

private:
    struct State {
        At at;
        int nth;
        int writes = 0;
        int commits = 0;
        bool fired = false;
    };

    class Device : public card::SaveDevice {
    public:
        Device(const QString& path, std::shared_ptr<State> state)
            : SaveDevice(path), state_(std::move(state))
        {
        }

        bool commitFile() override
        {
            if (++state_->commits == state_->nth && state_->at == At::Commit) {
                state_->fired = true;
                cancelWriting();
                commit();
                setErrorString(QStringLiteral("No space left on device"));
                return false;
            }
            return SaveDevice::commitFile();
        }

    protected:
        qint64 writeData(const char* data, qint64 length) override
        {
            if (++state_->writes == state_->nth && state_->at == At::Write) {
                state_->fired = true;
                setErrorString(QStringLiteral("No space left on device"));
                return -1;
            }
            return SaveDevice::writeData(data, length);
        }

    private:
        std::shared_ptr<State> state_;
    };

    std::shared_ptr<State> state_;
};
