// Which prompt and progress implementation the host chose.
#pragma once

namespace promptui {

enum class UiMode {
    Qt = 0,       // QMessageBox and QProgressDialog
    Console = 1,  // stderr, a progress bar on a terminal, --yes/--no answers
    Scripted = 2, // tests install their own services; nothing is replaced
};

// Installs the implementation of `mode` as the current prompt and progress
// services. Qt mode needs a QApplication (the caller makes sure of one).
void installUi(UiMode mode);

// Answers the console implementation gives to questions when no terminal can
// be asked: 0 asks the terminal, IDYES or IDNO answer every question.
void setConsoleAnswer(int answer);

} // namespace promptui
