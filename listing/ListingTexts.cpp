#include "listing/ListingTexts.h"
