#include "printing/TLabelJobParameters.h"

#include "core/TPrinterNudges.h"
#include "printing/TCardLayout.h"

#include <algorithm>

namespace {

constexpr double NudgeStep = 1.0 / 32.0;

} // namespace

TLabelJobParameters TLabelJobParameters::FromLayout(const TCardLayout &layout, const TPrinterNudges &nudges)
{
    TLabelJobParameters parameters;
    parameters.CardHeight = layout.Height;
    parameters.CardWidth = layout.Width;
    parameters.Across = std::clamp(layout.Across, 0, TCardLayout::MaxAcross);
    parameters.Down = std::clamp(layout.Down, 0, TCardLayout::MaxDown);
    parameters.Top = layout.TopMargin + nudges.TopMarginNudge * NudgeStep;
    parameters.Left = layout.LeftMargin + nudges.LeftMarginNudge * NudgeStep;
    parameters.HPitch = layout.HPitch + nudges.HorizontalSpacing * NudgeStep;
    parameters.VPitch = layout.VPitch + nudges.VerticalSpacing * NudgeStep;
    return parameters;
}

QPointF TLabelJobParameters::CardOrigin(int row, int column) const
{
    return QPointF(column * HPitch + Left, row * VPitch + Top);
}
