#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

// What the About box states, each fact on a line of its own; the box adds
// the licence.
struct AboutFacts {
    QString version; // e.g. 1.0.0
    QString qtVersion;
    QString configurationFile;
    QString historyFolder;
};

// "About <title>": each fact in a read-only field that can be selected, and
// a Copy button beside it. Deleted when closed.
QDialog* makeAboutBox(const QString& title, const AboutFacts& facts, QWidget* parent);

// A text to read and copy in a fixed-pitch font, such as the command-line
// program's help, asked for again in each language shown. Deleted when closed.
QDialog* makeTextBox(const QString& title, const std::function<QString()>& text, QWidget* parent);
