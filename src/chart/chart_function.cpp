// TChartFunction: the walks over sources, periods and moving windows.
#include "chart/chart_function.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include "chart/chart_series.h"
#include "chart/date_steps.h"

namespace fv {

void TChartFunction::SetPeriod(double value) {
    if (!(value >= 0) || !std::isfinite(value)) throw std::runtime_error("Function Period should be >= 0");
    if (value == period_) return;
    period_ = value;
    RecalculateOwner();
}

void TChartFunction::SetPeriodStyle(TFunctionPeriodStyle value) {
    if (value == periodStyle_) return;
    periodStyle_ = value;
    RecalculateOwner();
}

void TChartFunction::SetPeriodAlign(TFunctionPeriodAlign value) {
    if (value == periodAlign_) return;
    periodAlign_ = value;
    RecalculateOwner();
}

void TChartFunction::AttachToSeries(TChartSeries* series) {
    if (series == parentSeries_ || !series) return;
    std::unique_ptr<TChartFunction> self =
        parentSeries_ ? parentSeries_->ReleaseFunction() : std::unique_ptr<TChartFunction>(this);
    series->SetFunction(std::move(self));
}

void TChartFunction::EndUpdate() {
    if (!updating_) return;
    updating_ = false;
    RecalculateOwner();
}

void TChartFunction::RecalculateOwner() {
    if (!updating_ && parentSeries_) parentSeries_->RefreshFromSource();
}

TChartValueList* TChartFunction::SourceValueList(const TChartSeries& source) const {
    if (parentSeries_) {
        const std::string& name = parentSeries_->MandatoryValueList()->ValueSource();
        if (!name.empty()) return source.ValueListByName(name);
    }
    return source.MandatoryValueList();
}

void TChartFunction::AddResultPoint(bool sourceIsVertical, double value, double position) {
    if (!parentSeries_) return;
    if (sourceIsVertical) parentSeries_->AddPoint(position, value);
    else parentSeries_->AddPoint(value, position);
}

void TChartFunction::AddFunctionPoint(TChartSeries& source, int first, int last, double x) {
    AddResultPoint(source.IsVertical(), Calculate(source, first, last), x);
}

void TChartFunction::Recalculate(TChartSeries* source) {
    if (!source || !parentSeries_) return;
    const TChartValueList& list = *source->PositionList();
    std::vector<TChartSeries*> sources;
    for (Component* c : parentSeries_->DataSources())
        if (auto* s = dynamic_cast<TChartSeries*>(c)) sources.push_back(s);
    if (parentSeries_->DataSources().size() > 1) {
        for (int i = 0, n = source->Count(); i < n; ++i) {
            double position = list[i];
            double value = CalculateMany(sources, i);
            if (source->IsVertical()) parentSeries_->AddPoint(position, value, source->PointLabel(i));
            else parentSeries_->AddPoint(value, position, source->PointLabel(i));
        }
        return;
    }
    if (source->Count() == 0) return;
    if (moving_) CalculateMoving(*source, list);
    else if (period_ != 0) CalculateByPeriod(*source, list);
    else CalculateFromSource(*source, list);
}

void TChartFunction::CalculateMoving(TChartSeries& source, const TChartValueList& list) {
    double p = std::round(period_);
    int n = source.Count();
    // A window of no points would start before the first point.
    if (p < 1 || double(n) < p) return;
    int window = int(p);
    for (int b = window - 1; b < n; ++b)
        AddResultPoint(source.IsVertical(), Calculate(source, b - window + 1, b), list[b]);
}

void TChartFunction::CalculateFromSource(TChartSeries& source, const TChartValueList& list) {
    double value = Calculate(source, -1, -1);
    if (parentSeries_->FunctionSinglePoint) {
        double mid = (list.MaxValue() - list.MinValue()) * 0.5 + list.MinValue();
        if (parentSeries_->IsVertical()) parentSeries_->AddPoint(mid, value);
        else parentSeries_->AddPoint(value, mid);
    } else {
        AddResultPoint(source.IsVertical(), value, list.MinValue());
        AddResultPoint(source.IsVertical(), value, list.MaxValue());
    }
}

double TChartFunction::NextBoundary(double boundary, int stepIndex, const TChartValueList& list) const {
    SeriesHost* chart = parentSeries_->ParentChart();
    bool exact = chart && list.DateTime() && chart->ExactDateTime(parentSeries_->GetHorizAxis()) &&
                 stepIndex >= HalfMonthStep && stepIndex <= OneYearStep;
    StepDateTime(true, exact, boundary, stepIndex, period_);
    return boundary;
}

void TChartFunction::CalculateByPeriod(TChartSeries& source, const TChartValueList& list) {
    const int n = source.Count();
    const double points = std::round(period_);
    // A period of no points would never move on.
    if (periodStyle_ == psNumPoints && points < 1) return;
    const int stepIndex = DateTimeStepIndex(period_);
    int start = 0;
    double boundary = list[0];
    int emptyPeriods = 0;
    while (start <= n - 1) {
        double periodFirst, periodLast;
        int end;
        bool holdsPoints = true;
        if (periodStyle_ == psRange) {
            periodFirst = boundary;
            boundary = NextBoundary(boundary, stepIndex, list);
            periodLast = boundary - period_ * 0.001;
            if (!(boundary > periodFirst)) {
                // The boundary no longer moves (X too large for the period to count): the rest of the
                // points make the last period.
                end = n - 1;
            } else {
                end = start;
                while (end < n - 1 && list[end + 1] < boundary) ++end;
                holdsPoints = list[start] < boundary;
            }
        } else {
            end = points - 1 >= double(n - start) ? n : start + int(points) - 1;
            periodFirst = list[start];
            periodLast = end < n ? list[end] : periodFirst;
        }
        if (end >= n) break;  // a last group shorter than the period gives no result
        double x = periodAlign_ == paFirst ? periodFirst
                   : periodAlign_ == paLast ? periodLast
                                            : (periodFirst + periodLast) / 2;
        if (holdsPoints) {
            AddFunctionPoint(source, start, end, x);
            start = end + 1;
        } else if (emptyPeriods < MaxEmptyPeriods) {
            AddResultPoint(source.IsVertical(), 0, x);
            ++emptyPeriods;
        } else {
            // Enough zeros: the next period starts at the next point (a point that is not a finite
            // number leaves the boundary unable to move, which ends the walk above).
            boundary = list[start];
        }
    }
}

void TChartFunction::Assign(const TChartFunction& source) {
    period_ = source.period_;
    periodStyle_ = source.periodStyle_;
    periodAlign_ = source.periodAlign_;
}

}  // namespace fv
