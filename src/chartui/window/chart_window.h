// The chart window: plots chosen fields of chosen records of the open database as line charts, one line
// series per field and one point per record, with the chart toolbar and a scroll bar under the chart.
//
// Rules:
// - Fields are those of 1..20 that the field text names between commas, in ascending order whatever the
//   order typed; rows are all records, one range "a-b" or a list. Rows are always records 1..RecordCount:
//   a range reaching past either end is cut to them, a reversed one plots nothing.
// - The chart file of the open database is read on the first show after each load (the window's very
//   first show included); a file that cannot be read is reported once and the chart redraws anyway.
// - Every show redraws from the records; series the redraw no longer needs are freed.
// - Every close (the Close button or the window's frame) marks the chart as changed, so the next save of
//   the database writes the chart file.
// - A change the user makes to the chart once it is shown (the editor, the toolbar's drags, the print
//   margins, a zoom) is an unsaved change of the database: it is noted by comparing the chart with what
//   it was after the last redraw, before each redraw, at each close, and whenever the program asks
//   whether anything is to be saved: the save, Exit, the opening of another database and a publish run
//   (NoteChartEdits, watched by the database's changes). A noted change marks a chart edit, so the save
//   writes the chart file and Exit asks.
// - The window lays itself out at every size it takes, from its client area: the top strip and the
//   toolbar row keep their height and stretch across, the chart and its scroll bar take what is left.
//   The window is never smaller than MinWidth x MinHeight, the size at which everything still fits, so
//   a size it reports (and the last-use file keeps) can always be laid out again; it is the form's
//   minimum size, so the window on screen cannot be dragged smaller either.
// - Down and Up scale the chart within its place: never smaller than 20 x 20 pixels, never larger than
//   the place; the scale is kept across resizes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "chartui/window/chart_commander.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/window/chart_scroll_bar.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

// The colour of the window's series number i (from 0): thirteen colours, repeating.
Color RozizASeriesColor(int index);

// The fields a field text chooses: 1..20 in ascending order, each named between commas ("7,2,2" gives
// 2 and 7; "1, 2" gives 1 only, a blank spoils a number).
std::vector<int> ChosenFields(const std::string& fieldText);
// The records (counted from 1) a row text chooses among recordCount records: every one when allRows,
// else the range "a-b" held within 1..recordCount, else those the text names between commas.
std::vector<int> ChosenRows(const std::string& rowText, bool allRows, int recordCount);
// The choice texts keep at most this many characters; the rest is not read.
constexpr std::size_t MaxChoiceText = 301;

// TRozizAForm is the chart window; its name ("RozizAForm") is the one the configuration file keeps it under.
class TRozizAForm : public ProgramForm {
public:
    TRozizAForm(Component* owner, Program& program);

    Panel* MainPanel;
    Panel* Panel1;
    Label* Label1;
    Label* Label2;
    Edit* WhichRows;
    Edit* WhichFields;
    CheckBox* WhichRowsCheckBox;
    Button* ReDrawButton;
    Button* StoreImageButton;
    Button* CloseButton;
    GroupBox* RozizAView;
    Label* Label3;
    TChart* ChartVue;
    Panel* Panel2;
    TChartCommander* ChartCommander;
    Button* DownButton;
    Button* UpButton;
    TChartScrollBar* ChartScrollBar1;

    // The chart editor on ChartVue, and the one place it is opened from (the toolbar's Edit button comes
    // here too). OnEditChart, when set, opens something else in its place.
    TChartEditor* ChartEditor1;
    std::string ChartEditorTitle = "Chart Vue from Pelmarix";
    std::function<void(TCustomChart& chart, const std::string& title)> OnEditChart;
    void ChartEditor1Execute();

    void FormShow(Component* sender);
    void ReDrawButtonClick(Component* sender);
    void WhichRowsChange(Component* sender);
    void StoreImageButtonClick(Component* sender);
    void CloseButtonClick(Component* sender);
    void FormClose(Component* sender, CloseAction& action);
    void FormResize(Component* sender);
    void DownButtonClick(Component* sender);
    void UpButtonClick(Component* sender);

    // Compares the chart with what it was after the last redraw: a difference is noted as a change of the
    // database (ChartModified and DatabaseModified set) and becomes the new point of comparison. Answers
    // whether a change was noted; nothing is compared before the chart's first redraw after a load.
    bool NoteChartEdits();

    // A database was loaded: its chart file is read on the next show (at once when the window is open).
    void DatabaseLoaded();

    // A size below the minimum is taken as the minimum.
    void SetBounds(int left, int top, int width, int height) override;
    // The parts' sizes were set from outside (the last-use file): the chart's size gives its scale, and
    // the window lays itself out again.
    void SizesRestored();

    static constexpr int MinChartSize = 20;
    static constexpr int DesignWidth = 649, DesignHeight = 400;
    static constexpr int MinWidth = 649, MinHeight = 320;
    // How much Down has made the chart smaller than its place, in both directions.
    int ChartShrink() const { return chartShrink; }

private:
    void ReadChartFile();
    void Redraw();
    // The chart has exactly `count` series, all empty: extra ones freed, missing ones made.
    void KeepSeries(int count);
    // The chart as its file would hold it; nothing when it cannot be stored.
    std::optional<std::string> ChartBytes() const;

    // Places every control for the window's client size.
    void LayOut();
    // The chart's place inside the group box: its width and height before any scaling down.
    int ChartAreaWidth() const;
    int ChartAreaHeight() const;

    int chartShrink = 0;
    bool laidOut = false;
    bool chartFilePending = true;
    // The chart after the last redraw (or the last noted change); none before the first redraw after a load.
    std::optional<std::string> redrawnChart;
    // Keeps NoteChartEdits run whenever the program asks whether anything is to be saved.
    std::shared_ptr<DatabaseChanges::NoteEdits> editsWatch;
};

}  // namespace fv
