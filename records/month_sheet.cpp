#include "month_sheet.h"
