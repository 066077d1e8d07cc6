#pragma once

// Plain #defines only: windres reads this file as well as the C++ code.
#define IDI_APP 1
#define IDI_FALLBACK 2
#define IDC_CROSSHAIR 101
