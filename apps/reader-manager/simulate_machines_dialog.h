// "Simulate Machines...": which records the machines write onto the card in
// the reader, made up from a seed or taken from a records file.
#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace readermanager {

struct MachineSimulation {
    int machines = 5;
    uint32_t seed = 1;
    QString recordsFile; // when set, the file's records instead of made-up ones
};

class SimulateMachinesDialog : public QDialog {
    Q_OBJECT
public:
    // browse asks for a records file: its path, or "" when cancelled.
    SimulateMachinesDialog(std::function<QString()> browse, QWidget* parent = nullptr);

    MachineSimulation simulation() const;

    // The operator's choice, or nullopt when cancelled.
    static std::optional<MachineSimulation> ask(std::function<QString()> browse, QWidget* parent);

private:
    void updateEnabled();

    std::function<QString()> browse_;
    QRadioButton* random_ = nullptr;
    QSpinBox* machines_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QRadioButton* fromFile_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace readermanager
