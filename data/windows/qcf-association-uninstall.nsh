; Takes back the .qcf association, and the extension only while it still names
; this program. The configuration files themselves stay where they are.
DeleteRegKey SHCTX "Software\Classes\switchpanel-config.qcf"
ReadRegStr $0 SHCTX "Software\Classes\.qcf" ""
StrCmp $0 "switchpanel-config.qcf" 0 +2
DeleteRegKey SHCTX "Software\Classes\.qcf"
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
