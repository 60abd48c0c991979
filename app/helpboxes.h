#pragma once

#include <QString>

class QDialog;
class QWidget;

// What the About box states, each fact on a line of its own.
struct AboutFacts {
    QString version; // e.g. 1.0.0
    QString qtVersion;
    QString licence;
    QString configurationFile;
    QString historyFolder;
};

// The program's licence as the About box states it.
extern const QString LicenceText;

// "About <title>": each fact in a read-only field that can be selected, and
// a Copy button beside it. Deleted when closed.
QDialog* makeAboutBox(const QString& title, const AboutFacts& facts, QWidget* parent);

// A text to read and copy in a fixed-pitch font, such as the command-line
// program's help. Deleted when closed.
QDialog* makeTextBox(const QString& title, const QString& text, QWidget* parent);
