#include "loglayout.h"

namespace LogLayout {

namespace {

    void placeVoltLabels(Placement& p)
    {
        const float pt = p.picLog.top;
        const float ph = p.picLog.height;
        for (int i = 0; i < VoltLabels; ++i) {
            Rect& r = p.lblVolt[i];
            r = LblVolt;
            r.top = (ph - 50) * static_cast<float>(10 - i) / 10 + pt - 65;
        }
    }

    void placeCurLabels(Placement& p)
    {
        const float pt = p.picLog.top;
        const float ph = p.picLog.height;
        const float left = p.picLog.left + p.picLog.width + 120;
        for (int i = 0; i < CurLabels; ++i) {
            Rect& r = p.lblCur[i];
            r = LblCur;
            r.left = left;
            r.top = (ph - 50) * static_cast<float>(6 - i) / 6 + pt - 65;
        }
    }

    void placeTimeLabels(Placement& p)
    {
        const Rect& pic = p.picLog;
        p.lblTime = LblTime;
        p.lblTime.top = pic.top + pic.height + 300;
        p.lblTime.left = pic.width / 2 + pic.left - LblTime.width / 2;
        for (int i = 0; i < TimeLabels; ++i) {
            Rect& r = p.lblS[i];
            r = LblS;
            r.top = pic.top + pic.height + 60;
            r.left = (pic.width - 30) * static_cast<float>(i) / 9 + pic.left - LblS.width / 2 + 40;
        }
        p.chemistry = Chemistry;
        p.chemistry.top = pic.top + pic.height + Chemistry.top;
        p.cells = Cells;
        p.cells.top = p.chemistry.top;
    }

} // namespace

Result layout(float w, float h)
{
    Result result;
    if (w < MinWidth) {
        result.snapTo = Size { MinWidth, h };
        return result;
    }
    if (h < MinHeight) {
        result.snapTo = Size { w, MinHeight };
        return result;
    }
    Placement& p = result.placement;
    p.cmdClose = CmdClose;
    p.cmdClose.left = w / 2 - CmdClose.width / 2;
    p.frame1 = Frame1;
    p.frame1.left = w - Frame1.width - 210;
    p.frame2 = Frame2;
    p.picLog = PicLog;
    p.picLog.width = w - 2 * PicLog.left - 120;
    p.picLog.height = h - PicLog.top - 1080;
    placeVoltLabels(p);
    placeCurLabels(p);
    placeTimeLabels(p);
    return result;
}

} // namespace LogLayout
