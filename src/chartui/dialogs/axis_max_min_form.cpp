// The limit dialog of the axis page.
#include "chartui/dialogs/axis_max_min_form.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

#include "chart/date_steps.h"
#include "chart/value_format.h"
#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"

namespace fv {

namespace {

// The order of day, month and year in a date format: the first letter of each field as it comes.
std::string FieldOrder(const std::string& format) {
    std::string order;
    for (char c : format) {
        const char f = char(std::tolower(static_cast<unsigned char>(c)));
        if ((f == 'd' || f == 'm' || f == 'y') && order.find(f) == std::string::npos) order += f;
    }
    return order.size() == 3 ? order : "mdy";
}

std::string DateText(double value) { return FormatDateTime(std::floor(value), ChartLocale().ShortDateFormat); }
std::string TimeText(double value) { return FormatDateTime(value - std::floor(value), IncrementTimeFormat); }

}  // namespace

bool TryReadDateText(const std::string& text, double& date) {
    // Three whole numbers with one separator between each, in the order of the locale's format.
    int fields[3] = {};
    std::size_t at = 0;
    auto skipBlanks = [&] {
        while (at < text.size() && text[at] == ' ') ++at;
    };
    for (int i = 0; i < 3; ++i) {
        skipBlanks();
        if (i > 0) {
            if (at >= text.size() || std::isdigit(static_cast<unsigned char>(text[at]))) return false;
            ++at;
            skipBlanks();
        }
        const std::size_t start = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - start < 5) ++at;
        if (at == start) return false;
        fields[i] = std::stoi(text.substr(start, at - start));
    }
    skipBlanks();
    if (at != text.size()) return false;
    const std::string order = FieldOrder(ChartLocale().ShortDateFormat);
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < 3; ++i) (order[std::size_t(i)] == 'd' ? day : order[std::size_t(i)] == 'm' ? month : year) = fields[i];
    return EncodeDate(year, month, day, date);
}

TAxisMaxMin::TAxisMaxMin(Component* owner, Program& program) : ProgramForm(owner, program, "AxisMaxMin") {
    SetUpChartDialog(*this, "Axis Maximum and Minimum", 250, 76);
    Label1 = Add<Label>(this, "Label1", 8, 12, 40, 13, "&Date:");
    EMaximum = Add<Edit>(this, "EMaximum", 52, 8, 100, 21);
    EMaximum->SetHint("Enter Date");
    Label2 = Add<Label>(this, "Label2", 8, 44, 40, 13, "&Time:");
    EMinimum = Add<Edit>(this, "EMinimum", 52, 40, 100, 21);
    EMinimum->SetHint("Enter Time");
    BitBtn1 = AddOkButton(this, "BitBtn1", 166, 8, 76, 25, {.closes = false});
    BitBtn2 = AddCancelButton(this, "BitBtn2", 166, 40, 76, 25);

    OnShow = [this](Component* s) { FormShow(s); };
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
}

void TAxisMaxMin::FormShow(Component*) {
    P.App.SetScreenCursor(Cursor::Default);
    if (IsDateTime) {
        const bool hasDate = MaxMin >= 1;
        Label1->SetVisible(hasDate);
        EMaximum->SetVisible(hasDate);
        if (hasDate) EMaximum->SetText(DateText(MaxMin));
        EMinimum->SetText(TimeText(MaxMin));
    } else {
        EMaximum->SetHint("");
        EMinimum->SetHint("");
        Label1->SetCaption("Value:");
        EMaximum->SetText(FloatToStr(MaxMin));
        Label2->SetVisible(false);
        EMinimum->SetVisible(false);
    }
}

void TAxisMaxMin::BitBtn1Click(Component*) {
    if (!IsDateTime) {
        MaxMin = StrToFloat(EMaximum->Text());
    } else {
        double time = 0;
        if (!TryReadTimeText(EMinimum->Text(), time))
            throw std::invalid_argument("'" + EMinimum->Text() + "' is not a valid time");
        double date = 0;
        if (EMaximum->Visible() && !TryReadDateText(EMaximum->Text(), date))
            throw std::invalid_argument("'" + EMaximum->Text() + "' is not a valid date");
        MaxMin = date + time;
    }
    SetModalResult(MrOk);
}

}  // namespace fv
