#include "analysis/plotter/plotter_form.h"

namespace analysis {

// The layout view (view 4) draws nothing yet.
void PlotterForm::Command4_Click() {}

}  // namespace analysis
