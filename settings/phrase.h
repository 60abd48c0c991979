#pragma once

#include <QCoreApplication>
#include <QString>
#include <concepts>

// A text for people together with its English source: a person reads text in
// the chosen language, JSON documents and files keep source whatever it is.
struct Phrase {
    QString source;
    QString text;

    // A text marked with QT_TRANSLATE_NOOP(context, source), translated now.
    static Phrase of(const char* context, const char* source)
    {
        return { QString::fromUtf8(source), QCoreApplication::translate(context, source) };
    }
    // A text that reads the same in every language: a name, a number, a path.
    static Phrase verbatim(const QString& same) { return { same, same }; }

    // %1, %2... replaced in one pass, so that an argument holding "%1" stays
    // as it is; a Phrase argument goes in its own language into each text.
    template <typename... Args> Phrase arg(const Args&... args) const
    {
        return { source.arg(sourceOf(args)...), text.arg(textOf(args)...) };
    }

    bool isEmpty() const { return source.isEmpty(); }
    bool operator==(const Phrase&) const = default;

private:
    static const QString& sourceOf(const Phrase& p) { return p.source; }
    static const QString& textOf(const Phrase& p) { return p.text; }
    static const QString& sourceOf(const QString& s) { return s; }
    static const QString& textOf(const QString& s) { return s; }
    template <std::integral N> static QString sourceOf(N n) { return QString::number(n); }
    template <std::integral N> static QString textOf(N n) { return QString::number(n); }
};
