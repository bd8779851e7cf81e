// Every file the programs write goes through here. The new content goes to a
// temporary file beside the target, unbuffered so that no write error can
// hide in a buffer, and replaces the target only after every byte reached
// the disk; on any failure the target keeps its old content (or stays
// absent). A temporary file left by a killed program is never read: it has
// its own random name and later writes ignore it.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>

namespace card {

// The device the new content goes to. Tests install a factory that makes
// devices failing a chosen write or the commit.
class SaveDevice : public QSaveFile {
public:
    explicit SaveDevice(const QString& path) : QSaveFile(path) {}
    // Replaces the target with what was written; false with errorString()
    // set when it could not.
    virtual bool commitFile() { return commit(); }
};

using SaveDeviceFactory = std::function<std::unique_ptr<SaveDevice>(const QString& path)>;
// Null puts the plain SaveDevice back.
void setSaveDeviceFactory(SaveDeviceFactory factory);

// Writes bytes to path atomically: "" when path holds exactly bytes, else
// why not ("cannot write <what> <path>: reason"), with the old file untouched.
QString saveFileAtomically(const QString& what, const QString& path, const QByteArray& bytes);

} // namespace card
