// What the operator chose in the host and finds again at the next start.
#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>

namespace readermanager {

class HostSettings {
public:
    // Takes the store to keep the choices in: the user's settings of the
    // application in the program, a file of their own in tests.
    explicit HostSettings(std::unique_ptr<QSettings> store);

    // The customer id the host works with (default 0).
    uint16_t customerId() const;
    void setCustomerId(uint16_t id);

    // Whether tokens are in use in this installation (default on).
    bool tokensEnabled() const;
    void setTokensEnabled(bool enabled);

    // Where the last file dialog was left (default: the home folder).
    QString lastFolder() const;
    void setLastFolder(const QString& folder);

private:
    std::unique_ptr<QSettings> store_;
};

} // namespace readermanager
