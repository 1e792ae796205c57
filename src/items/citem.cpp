#include "items/citem.h"
