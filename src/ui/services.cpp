#include "ui/services.h"
