#include "model/ClockView.h"

namespace model
{
ClockView::~ClockView() = default;
} // namespace model
