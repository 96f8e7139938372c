#include "model_store.h"

ModelStore modelStore;
