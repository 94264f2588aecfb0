#include "analysis/plotter/plotter_form.h"

namespace analysis {

// The eyes view (view 1) draws nothing yet.
void PlotterForm::Command1_Click() {}

}  // namespace analysis
