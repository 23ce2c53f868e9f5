#pragma once

#include <QString>

class Prompter;

// The folders the program works in and the seams it reaches the user through. main() builds it
// from the platform; tests build it over a temporary folder.
struct AppContext
{
    QString documentsFolder; // the message library's root ("" when it cannot be resolved)
    QString programFolder;   // the Help program and its pages
    QString startupFolder;   // where the start-with-the-desktop entry goes
    QString settingsFile;    // Settings.ini
    Prompter *prompter = nullptr;
    int secondMs = 1000;   // the length of one second of the display cycle and the flash window
    QString programFile{}; // the program itself, for the start-up entry
};
