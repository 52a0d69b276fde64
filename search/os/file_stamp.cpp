#include "search/os/file_stamp.h"

namespace search::os {

bool ChangedBetween(const FileStamp& before, const FileStamp& after) {
  return after.size != before.size || after.last_write != before.last_write ||
         (after.last_change != before.last_change && after.links == before.links);
}

}  // namespace search::os
