// The main window's publishing side: the swatches that open the font dialog on the fields', labels' and
// memo's publication fonts, the menu entries of the publishing settings and the shopping-cart setup, and
// the browser commands (view the published pages, help, the maker's and the cart service's web sites).
#include "app/browser_form.h"
#include "app/folivex_form.h"
#include "platform/ui/edit.h"
#include "program/republish_file.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_helpers.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"

namespace fv {

void TFolivexForm::WirePublishingCommands() {
    for (Edit* swatch : Colour) swatch->OnDblClick = [this](Component* s) { Colour1DblClick(s); };
    LabelColour->OnDblClick = [this](Component* s) { LabelColourDblClick(s); };
    ScrollColour->OnDblClick = [this](Component* s) { ScrollColourDblClick(s); };
}

// ---- publication fonts

namespace {

// The editing protocol on one font and its swatch; every confirmed change styles every page.
void EditFont(Program& p, PublishFont& font, Edit* swatch) {
    TFontForm& dialog = *p.FontForm;
    dialog.LoadFont(font);
    if (!dialog.RunDialog()) return;
    dialog.TakeFont(font);
    swatch->SetColor(dialog.FontFormColour);
    p.Changes.Mark(Change::Settings);
    MarkAllForRepublish(p);
}

}  // namespace

void TFolivexForm::LabelColourDblClick(Component*) { EditFont(P, P.LabelFont, LabelColour); }

void TFolivexForm::ScrollColourDblClick(Component*) { EditFont(P, P.ScrollFont, ScrollColour); }

void TFolivexForm::Colour1DblClick(Component* sender) {
    // The field of the swatch double-clicked: the sender, else the swatch with the focus, else field 1.
    int n = 0;
    for (int i = FieldCount - 1; i >= 0 && n == 0; --i)
        if (sender == Colour[std::size_t(i)]) n = i + 1;
    for (int i = FieldCount - 1; i >= 0 && n == 0; --i)
        if (Colour[std::size_t(i)]->Focused()) n = i + 1;
    if (n == 0) n = 1;

    TFontForm& dialog = *P.FontForm;
    dialog.LoadFont(P.FieldFonts[std::size_t(n - 1)]);
    if (!dialog.RunDialog()) return;
    dialog.ColourMenuExit(this);
    const bool all = P.App.MessageBox("Do you want this Font setting to be applied to ALL data fields ?",
                                      "Apply Font to ALL ?", MbYesNo | MbIconQuestion) == IdYes;
    const int first = all ? 1 : n, last = all ? FieldCount : n;
    for (int i = first; i <= last; ++i) {
        Colour[std::size_t(i - 1)]->SetColor(dialog.FontFormColour);
        dialog.TakeFont(P.FieldFonts[std::size_t(i - 1)]);
    }
    P.Changes.Mark(Change::Settings);
    MarkAllForRepublish(P);
}

// ---- the settings dialogs

void TFolivexForm::G1Click(Component*) {
    P.App.Beep(BeepKind::Default);
    P.PublishSetupForm->Show();
}

void TFolivexForm::HTMLHeadersFooters1Click(Component*) {
    P.App.Beep(BeepKind::Default);
    P.HTMLForm->ShowModal();
}

void TFolivexForm::SearchEnginesettings1Click(Component*) {
    P.App.Beep(BeepKind::Default);
    P.SearchSetup->ShowModal();
}

void TFolivexForm::InternationalLanguageSettings1Click(Component*) {
    P.App.Beep(BeepKind::Default);
    P.LangForm->ShowModal();
}

void TFolivexForm::KarvoSetup1Click(Component*) { P.KarvoForm->Show(); }

// ---- the browser

void TFolivexForm::ViewButtonClick(Component* sender) {
    P.BrowserMode = 1;
    TBrowserForm& browser = *P.BrowserForm;
    if (browser.CheckBox->Checked()) {
        if (P.ViewTarget == "RESULTS") browser.View2Click(sender);
        else browser.ViewHelp(sender);
    } else {
        P.App.Beep(BeepKind::Default);
        browser.ShowModal();
    }
    // The dialog's lists move the current directory.
    ReturnToDatabaseDirectory(P);
}

void TFolivexForm::VisitWebSite(Component* sender, int mode) {
    P.BrowserMode = mode;
    TBrowserForm& browser = *P.BrowserForm;
    if (browser.CheckBox->Checked()) {
        browser.View2Click(sender);
    } else {
        P.App.Beep(BeepKind::Default);
        browser.ShowModal();
    }
    ReturnToDatabaseDirectory(P);
}

void TFolivexForm::ViewItButtonClick(Component* sender) {
    P.ViewTarget = "RESULTS";
    ViewButtonClick(sender);
}

void TFolivexForm::HelpButtonClicked(Component* sender) {
    P.ViewTarget = "#about";
    ViewButtonClick(sender);
    Repaint();
}

void TFolivexForm::VisitourWebSite1Click(Component* sender) { VisitWebSite(sender, 2); }

void TFolivexForm::VisitKarvoWebSite1Click(Component* sender) { VisitWebSite(sender, 3); }

}  // namespace fv
