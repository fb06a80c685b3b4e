// The script that switches NetBIOS over TCP/IP on for every IP-enabled adapter; it is the text
// of the main window's hidden m_memoScriptNetBios and is written to disk at every start.
#pragma once

namespace sharemode {

// Eight lines, separated by CR LF, in the ANSI code page.
inline constexpr char kNetBiosScript[] =
    "On Error Resume Next\r\n"
    "strComputer = \".\"\r\n"
    "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")\r\n"
    "Set colNetCards = objWMIService.ExecQuery _\r\n"
    "    (\"Select * From Win32_NetworkAdapterConfiguration Where IPEnabled = True\")\r\n"
    "For Each objNetCard in colNetCards\r\n"
    "    objNetCard.SetTCPIPNetBIOS(1)\r\n"
    "Next";

}  // namespace sharemode
