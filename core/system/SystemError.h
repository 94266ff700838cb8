#pragma once

#include <QString>

// The system's text for an errno value, without a trailing line break.
QString systemErrorText(int errnoValue);
