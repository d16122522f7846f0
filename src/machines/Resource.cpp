#include "machines/Resource.h"

bool isEmpty(const resourceStruct& r) {
    if (r.energy > 0) return false;
    for (int v : r.data)
        if (v > 0) return false;
    return true;
}
