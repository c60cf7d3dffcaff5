#include "mainwindowaccess.h"
