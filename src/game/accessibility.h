#pragma once

// Lets assistive tools read the game's custom-drawn controls and its ranking grid. Safe to
// call more than once.
void InstallAccessibility();
