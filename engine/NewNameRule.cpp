#include "engine/NewNameRule.h"
