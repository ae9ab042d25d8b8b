#pragma once
#include "apoio/janelas.h"
