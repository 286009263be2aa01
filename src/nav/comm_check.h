// The GPS serial window's behaviour: loading its settings, Go/Stop, fetching and
// showing the input, writing the current-position file, "Save Settings", "Hide GPS".
#pragma once
#include <string>

#include "forms/workstation.h"

namespace varnel {

inline constexpr size_t kDisplayLimit = 1500;
// A receive buffer that never sees a carriage return is cut to this many bytes.
inline constexpr size_t kBufferCap = 16384;

void CommCheck_Form_Load(Workstation& w);
void btnGo_Click(Workstation& w);
void CommCheck_Timer1_Timer(Workstation& w);
void FetchInput(Workstation& w);
void ParseInput(Workstation& w);
void CommCheck_Command1_Click(Workstation& w);  // Save Settings
void CommCheck_Command2_Click(Workstation& w);  // Hide GPS
// Option clicks: group 1 = port, 2 = baud, 3 = parity, 4 = data bits, 5 = stop bits.
void CommCheck_Option_Click(Workstation& w, int group, int index);
// The settings text of the window's options ("4800,n,8,1"); empty baud when unset.
std::string SettingsText(const CommCheckForm& c, std::string& baud);
// Shows the window (loading it first when needed).
void ShowCommCheck(Workstation& w);

}  // namespace varnel
