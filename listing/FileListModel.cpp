#include "listing/FileListModel.h"
