// What the operator chose in the host and finds again at the next start,
// kept in a file of the data folder so that the folder is the whole
// installation: moved or copied, it starts as it was left.
#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace readermanager {

inline constexpr char kSettingsFileName[] = "reader-manager.ini";

// The card that was in the reader when the host was left.
struct LastCard {
    QString path; // absolute; empty when the reader was left empty
    int imageIndex = 0;
};

class HostSettings {
public:
    // The settings file of the data folder `folder`.
    explicit HostSettings(const QString& folder);

    // The customer id the host works with (default 0).
    uint16_t customerId() const;
    void setCustomerId(uint16_t id);

    // Whether tokens are in use in this installation (default on).
    bool tokensEnabled() const;
    void setTokensEnabled(bool enabled);

    // Where the last file dialog was left (default: the home folder).
    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // nullopt when no card was ever put into the reader here. A card inside
    // the data folder is kept relative to it, so it moves with the folder.
    std::optional<LastCard> lastCard() const;
    void setLastCard(const LastCard& card);

    // The database the host worked with last; "" when none was chosen.
    QString database() const;
    void setDatabase(const QString& path);

private:
    // A path inside the data folder is kept relative to it.
    QString stored(const QString& path) const;
    QString restored(const QString& value) const;

    QString folder_;
    std::unique_ptr<QSettings> store_;
};

} // namespace readermanager
