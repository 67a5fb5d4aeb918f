#pragma once

// Checks that the picture-button pictures load. Nonzero on success; the program ends
// silently when it fails.
int InitQControls();
