#include "listing/EnumerateFiles.h"
