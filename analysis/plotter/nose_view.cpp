#include "analysis/plotter/plotter_form.h"

namespace analysis {

// The nose view (view 2) draws nothing yet.
void PlotterForm::Command2_Click() {}

}  // namespace analysis
