#pragma once

// The lines of the Custom page's hint, joined by lone carriage returns.
extern const char* const CustomHintText;

// Makes the seven controls in their order, each with the parent current at that moment, the
// ResultList's columns and first row, and the three tab pages. Whether a control was made is not
// tested: an operation on a control that is missing does nothing.
void CreateControls();
