' A script client of Vexo.VexoClass. Wine's cscript swallows errors and exits 0, so every
' step checks Err itself and the harness looks for the last line "VEXO-CLIENT-END".
' Usage: cscript //nologo vexo_client.vbs draw|fail
Option Explicit
On Error Resume Next

Sub Report(name, value)
    WScript.Echo name & "=" & value
End Sub

Sub Check(step)
    If Err.Number <> 0 Then
        Report "failed", step & ": " & Hex(Err.Number) & " " & Err.Description
        WScript.Quit 1
    End If
End Sub

Dim vexo, first, second, drawn, after
Set vexo = CreateObject("Vexo.VexoClass")
Check "CreateObject"

Select Case WScript.Arguments(0)
Case "draw"
    first = vexo.ReadCounter
    Check "ReadCounter"
    second = vexo.ReadCounter
    Check "ReadCounter"
    drawn = vexo.SetCounter
    Check "SetCounter"
    after = vexo.ReadCounter
    Check "ReadCounter"
    Report "read", first
    Report "read again", second
    Report "drawn", drawn
    Report "read after", after
    Report "type", TypeName(drawn)
    Report "version", vexo.GetVersion
    Check "GetVersion"
Case "fail"
    drawn = vexo.SetCounter
    Report "number", Hex(Err.Number)
    Report "source", Err.Source
    Report "description", Err.Description
    Report "result", TypeName(drawn)
    Err.Clear
End Select
WScript.Echo "VEXO-CLIENT-END"
