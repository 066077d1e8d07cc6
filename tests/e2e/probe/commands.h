// The probe's subcommands. Each writes one JSON value and returns the process exit code;
// args holds the words after the subcommand's name.
#pragma once

#include <string>
#include <vector>

#include "json_writer.h"

namespace e2e {

using Args = std::vector<std::wstring>;

int ListTopLevel(const Args& args, JsonWriter& json);
int DescribeWindow(const Args& args, JsonWriter& json);
int ListChildren(const Args& args, JsonWriter& json);
int WindowAtPoint(const Args& args, JsonWriter& json);
int ReadListBox(const Args& args, JsonWriter& json);
int ReadListView(const Args& args, JsonWriter& json);
int DescribeFocus(const Args& args, JsonWriter& json);
int DescribeCursor(const Args& args, JsonWriter& json);
int DescribeIcons(const Args& args, JsonWriter& json);
int DescribeTaskbar(const Args& args, JsonWriter& json);
int DescribeMetrics(const Args& args, JsonWriter& json);
int DescribeFont(const Args& args, JsonWriter& json);

// Writes {"error": message} and returns the failure exit code.
int Fail(JsonWriter& json, const std::string& message);

}  // namespace e2e
