#include "scriptfonts.h"

#include <QApplication>
#include <QFontDatabase>

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

#ifdef Q_OS_WIN
const QStringList WindowFamilies { u"Yu Gothic UI"_s, u"Meiryo UI"_s, u"MS UI Gothic"_s };
const QStringList FixedFamilies { u"MS Gothic"_s, u"BIZ UDGothic"_s, u"Yu Gothic"_s };
#else
const QStringList WindowFamilies { u"Noto Sans CJK JP"_s, u"IPAPGothic"_s, u"VL PGothic"_s };
const QStringList FixedFamilies { u"IPAGothic"_s, u"VL Gothic"_s, u"Noto Sans CJK JP"_s };
#endif

struct State {
    bool japanese = false;
    std::optional<QFont> platformFont; // the application font before the first change
};

State& state()
{
    static State s;
    return s;
}

}

void ScriptFonts::setJapanese(bool japanese)
{
    State& s = state();
    if (japanese == s.japanese)
        return;
    if (!s.platformFont)
        s.platformFont = QApplication::font();
    s.japanese = japanese;
    QFont font = *s.platformFont;
    if (japanese)
        font.setFamilies(WindowFamilies);
    QApplication::setFont(font);
}

bool ScriptFonts::japanese() { return state().japanese; }

qreal ScriptFonts::atLeastWindow(qreal pointSize)
{
    return japanese() ? std::max(pointSize, QApplication::font().pointSizeF()) : pointSize;
}

QFont ScriptFonts::fixed(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (japanese())
        font.setFamilies(FixedFamilies);
    font.setPointSizeF(atLeastWindow(pointSize));
    return font;
}
