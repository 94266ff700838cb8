#include "listing/FileListLoader.h"
