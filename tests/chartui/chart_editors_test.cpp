// The colour, font, pen and brush entries of the chart editor, driven as a user drives the dialogs: every
// change reaches the edited object at once, and a cancel puts it back as it was.
#include <gtest/gtest.h>

#include "chartui/dialogs/brush_dialog.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/pen_dialog.h"
#include "dialog_fixture.h"

namespace fv::testing {
namespace {

class ChartEditors : public DialogFixture {};

TEST_F(ChartEditors, ColourAndFontDialogsAnswerTheChoiceOrKeepTheValue) {
    Dialogs().colors = {ClRed, std::nullopt};
    EXPECT_EQ(EditColor(Owner(), ClBlue), ClRed);
    EXPECT_EQ(Dialogs().lastColor, ClBlue);  // preset to the colour given
    EXPECT_EQ(EditColor(Owner(), ClBlue), ClBlue);

    Font chosen{"Courier", 14, ClGreen, FsBold};
    Dialogs().fonts = {chosen, std::nullopt};
    Font font{"Arial", 8};
    EXPECT_EQ(EditChartFont(Owner(), font), chosen);
    EXPECT_EQ(Dialogs().lastFont, font);
    EXPECT_EQ(EditChartFont(Owner(), font), font);
}

TEST_F(ChartEditors, EveryPenControlWritesIntoThePenAtOnce) {
    int changes = 0;
    TChartPen pen([&] { ++changes; });
    // One table of what a user does in the dialog and what the pen holds right after.
    struct Case {
        const char* action;
        std::function<void(TPenDialog&)> act;
        std::function<bool(const TChartPen&)> holds;
    };
    const Case cases[] = {
        {"style Dash", [](TPenDialog& d) { d.RGStyle->SetItemIndex(1); },
         [](const TChartPen& p) { return p.Style() == PenStyle::Dash && !p.SmallDots(); }},
        {"Small Dots, the last item", [](TPenDialog& d) { d.RGStyle->SetItemIndex(5); },
         [](const TChartPen& p) { return p.SmallDots() && p.Style() == PenStyle::Dash; }},
        {"style Dot turns small dots off", [](TPenDialog& d) { d.RGStyle->SetItemIndex(2); },
         [](const TChartPen& p) { return p.Style() == PenStyle::Dot && !p.SmallDots(); }},
        {"width typed", [](TPenDialog& d) { d.SEWidth->UserSetText("3"); },
         [](const TChartPen& p) { return p.Width() == 3; }},
        {"width by the up arrow", [](TPenDialog& d) { d.UDWidth->SetPosition(d.UDWidth->Position() + 1); },
         [](const TChartPen& p) { return p.Width() == 4; }},
        {"visible off", [](TPenDialog& d) { d.CBVisible->Click(); },
         [](const TChartPen& p) { return !p.Visible(); }},
        {"colour from the button", [](TPenDialog& d) { d.BColor->Click(); },
         [](const TChartPen& p) { return p.GetColor() == ClRed; }},
        {"colour from the swatch", [](TPenDialog& d) { d.SHColor->MouseUp(MouseButton::Left, 0, 3, 3); },
         [](const TChartPen& p) { return p.GetColor() == ClLime; }},
    };
    Dialogs().colors = {ClRed, ClLime};
    WhenShown<TPenDialog>([&](TPenDialog& d) {
        EXPECT_EQ(d.Caption(), "Border Color Editor");
        EXPECT_EQ(d.RGStyle->Items().back(), "Small Dots");
        for (const Case& c : cases) {
            const int before = changes;
            c.act(d);
            EXPECT_TRUE(c.holds(pen)) << c.action;
            EXPECT_GT(changes, before) << c.action << ": the pen's owner hears of each change";
        }
        EXPECT_EQ(d.SHColor->BrushColor(), ClLime);
        d.Button1->Click();
    });
    EditChartPen(Owner(), pen);
    EXPECT_EQ(pen.GetColor(), ClLime);  // OK keeps it all
    EXPECT_EQ(pen.Width(), 4);
    EXPECT_FALSE(pen.Visible());
    EXPECT_EQ(app->FindForm("PenDialog"), nullptr) << "the dialog is freed after its run";
}

TEST_F(ChartEditors, AWidePenCannotChangeItsStyle) {
    TChartPen pen;
    pen.SetWidth(2);
    WhenShown<TPenDialog>([&](TPenDialog& d) {
        EXPECT_FALSE(d.RGStyle->Enabled());
        EXPECT_EQ(d.SEWidth->Text(), "2");
        d.SEWidth->UserSetText("1");
        EXPECT_TRUE(d.RGStyle->Enabled());
        d.SEWidth->UserSetText("5");
        EXPECT_FALSE(d.RGStyle->Enabled());
        d.Button1->Click();
    });
    EditChartPen(Owner(), pen);
    EXPECT_EQ(pen.Width(), 5);
}

TEST_F(ChartEditors, CancelPutsThePenBackWhicheverWayTheDialogIsLeft) {
    struct Case {
        const char* how;
        std::function<void(TPenDialog&)> leave;
    };
    const Case cases[] = {
        {"Cancel", [](TPenDialog& d) { d.Button3->Click(); }},
        {"closed from its frame", [](TPenDialog& d) { d.Close(); }},
    };
    for (const Case& c : cases) {
        int changes = 0;
        TChartPen pen([&] { ++changes; });
        pen.SetColor(ClNavy);
        pen.SetSmallDots(true);
        changes = 0;
        Dialogs().colors = {ClYellow};
        WhenShown<TPenDialog>([&](TPenDialog& d) {
            EXPECT_EQ(d.RGStyle->ItemIndex(), 5) << "small dots show as the last item";
            d.BColor->Click();
            d.RGStyle->SetItemIndex(3);
            d.SEWidth->UserSetText("4");
            d.CBVisible->Click();
            EXPECT_EQ(pen.GetColor(), ClYellow);
            c.leave(d);
        });
        EditChartPen(Owner(), pen);
        EXPECT_EQ(pen.GetColor(), ClNavy) << c.how;
        EXPECT_EQ(pen.Width(), 1) << c.how;
        EXPECT_EQ(pen.Style(), PenStyle::Solid) << c.how;
        EXPECT_TRUE(pen.SmallDots()) << c.how;
        EXPECT_TRUE(pen.Visible()) << c.how;
        EXPECT_GT(changes, 4) << c.how << ": the owner hears of the way back too";
    }
}

TEST_F(ChartEditors, APlainPenHasNoVisibilityNorSmallDotsAndFollowsTheDialog) {
    Pen pen{ClMaroon, 1, PenStyle::Dot};
    int told = 0;
    WhenShown<TPenDialog>([&](TPenDialog& d) {
        EXPECT_FALSE(d.CBVisible->Visible());
        EXPECT_EQ(d.RGStyle->Items().size(), 5u);
        EXPECT_EQ(d.RGStyle->ItemIndex(), 2);
        d.RGStyle->SetItemIndex(1);
        EXPECT_EQ(pen.Style, PenStyle::Dash);
        d.Button1->Click();
    });
    EditChartPen(Owner(), pen, [&] { ++told; });
    EXPECT_EQ(pen.Style, PenStyle::Dash);
    EXPECT_EQ(pen.PenColor, ClMaroon);
    EXPECT_EQ(told, 1);
}

TEST_F(ChartEditors, ABrushWithoutFillHidesItsColour) {
    TChartBrush brush;
    brush.SetColor(ClTeal);
    WhenShown<TBrushDialog>([&](TBrushDialog& d) {
        EXPECT_EQ(d.Caption(), "Pattern Color Editor");
        EXPECT_EQ(d.RGStyle->ItemIndex(), 0);
        EXPECT_TRUE(d.SHColor->Visible());
        EXPECT_EQ(d.SHColor->BrushColor(), ClTeal);
        d.RGStyle->SetItemIndex(1);  // "None"
        EXPECT_EQ(brush.Style(), BrushStyle::Clear);
        EXPECT_FALSE(d.BColor->Enabled());
        EXPECT_FALSE(d.SHColor->Visible());
        d.RGStyle->SetItemIndex(7);
        EXPECT_EQ(brush.Style(), BrushStyle::DiagCross);
        EXPECT_TRUE(d.BColor->Enabled());
        EXPECT_TRUE(d.SHColor->Visible());
        d.Button2->Click();
    });
    EditChartBrush(Owner(), brush);
    EXPECT_EQ(brush.Style(), BrushStyle::DiagCross);
}

TEST_F(ChartEditors, CancelPutsTheBrushBack) {
    int changes = 0;
    TChartBrush brush([&] { ++changes; });
    brush.SetStyle(BrushStyle::Horizontal);
    brush.SetColor(ClOlive);
    Dialogs().colors = {ClFuchsia};
    WhenShown<TBrushDialog>([&](TBrushDialog& d) {
        d.RGStyle->SetItemIndex(4);
        d.SHColor->MouseUp(MouseButton::Left, 0, 1, 1);
        EXPECT_EQ(brush.GetColor(), ClFuchsia);
        EXPECT_EQ(d.SHColor->BrushColor(), ClFuchsia);
        d.Button3->Click();
    });
    const int before = changes;
    EditChartBrush(Owner(), brush);
    EXPECT_EQ(brush.Style(), BrushStyle::Horizontal);
    EXPECT_EQ(brush.GetColor(), ClOlive);
    EXPECT_EQ(changes - before, 3) << "style, colour, and the way back";
}

TEST_F(ChartEditors, ShowControlsSetsVisibility) {
    TRozizAForm& f = *program->RozizAForm;
    ShowControls(false, {f.ReDrawButton, f.CloseButton, nullptr});
    EXPECT_FALSE(f.ReDrawButton->Visible());
    EXPECT_FALSE(f.CloseButton->Visible());
    ShowControls(true, {f.ReDrawButton});
    EXPECT_TRUE(f.ReDrawButton->Visible());
}

}  // namespace
}  // namespace fv::testing
