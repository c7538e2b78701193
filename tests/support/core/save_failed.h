// What a teacher is told when a work cannot be saved: the file's name with the failure, then
// the system's reason.
#pragma once

#include <cstring>
#include <string>
#include <vector>

inline std::vector<std::string> SaveFailedMessages(const std::string& name, int reason) {
  return {name + "の保存に失敗しました", std::strerror(reason)};
}
