#pragma once
#include <QString>
#include <string>

// The record reader's and writer's reasons ("Invalid stream format", "Error reading
// Form1.Caption: Invalid property value") as the editor shows them: in the user's language where a
// translation has them, else exactly as the reader gives them.
namespace messages {

QString StreamMessageText(const std::string& english);

}  // namespace messages
