#include "analysis/plotter/plotter_form.h"

namespace analysis {

// The mouth view (view 3) draws nothing yet.
void PlotterForm::Command3_Click() {}

}  // namespace analysis
