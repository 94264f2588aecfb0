#include "analysis/plotter/plotter_form.h"

namespace analysis {

// The profile view (view 6) and its arrows draw nothing yet.
void PlotterForm::ProfileButton_Click() {}
void PlotterForm::RedLeftArrow_Click() {}
void PlotterForm::RedRightArrow_Click() {}
void PlotterForm::BlueLeftArrow_Click() {}
void PlotterForm::BlueRightArrow_Click() {}
void PlotterForm::GreenLeftArrow_Click() {}
void PlotterForm::GreenRightArrow_Click() {}

}  // namespace analysis
