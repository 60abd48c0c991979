#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every modal question the program asks goes through here, so that tests can
// answer without a screen. Boxes carry the application title as caption.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~Prompts() = default;

    // OK box.
    virtual void message(const QString& text, Icon icon) = 0;
    // OK box whose text is followed by a smaller one that says what failed.
    virtual void messageWithDetail(const QString& text, Icon icon, const QString& detail)
    {
        (void)detail;
        message(text, icon);
    }
    // Yes / No box without icon; true for Yes.
    virtual bool ask(const QString& text) = 0;
    // Filter in the "Desc|*.ext|Desc|*.*" form; empty result when cancelled.
    virtual QString openFileName(const QString& filter) = 0;
    virtual QString saveFileName(const QString& filter) = 0;
    // The save dialog, starting at proposed: a folder and a file name.
    virtual QString saveFileNameAt(const QString& filter, const QString& proposed)
    {
        (void)proposed;
        return saveFileName(filter);
    }
    // OK box without icon whose text the user may take away, by a "Copy"
    // button where there is a clipboard.
    virtual void copyableMessage(const QString& text) { message(text, Icon::None); }
    // A line of text, starting from proposed; none when cancelled.
    virtual std::optional<QString> askText(const QString& question, const QString& proposed)
    {
        (void)question;
        (void)proposed;
        return std::nullopt;
    }
    // One of items, by its index; none when cancelled.
    virtual std::optional<int> askChoice(const QString& question, const QStringList& items)
    {
        (void)question;
        (void)items;
        return std::nullopt;
    }
};
