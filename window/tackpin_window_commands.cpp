// What the panel's controls do: the handlers bound by the panel's layout.
// Bound by the layout now; each answers 0 until the commands are in.
#include "window/tackpin_window.h"

int TackpinWindow::OnToggleLeftDown(MQWidgetBase*, MQDocument, WidgetMouseParam&) { return 0; }
int TackpinWindow::OnToggleRightDown(MQWidgetBase*, MQDocument, WidgetMouseParam&) { return 0; }
int TackpinWindow::OnSetLeftDown(MQWidgetBase*, MQDocument, WidgetMouseParam&) { return 0; }
int TackpinWindow::OnSetRightDown(MQWidgetBase*, MQDocument, WidgetMouseParam&) { return 0; }
int TackpinWindow::OnClearLeftDown(MQWidgetBase*, MQDocument, WidgetMouseParam&) { return 0; }
int TackpinWindow::OnViewExecute(MQWidgetBase*, MQDocument) { return 0; }
int TackpinWindow::OnNormalExecute(MQWidgetBase*, MQDocument) { return 0; }
int TackpinWindow::OnOverwriteExecute(MQWidgetBase*, MQDocument) { return 0; }
int TackpinWindow::OnAllwaysExecute(MQWidgetBase*, MQDocument) { return 0; }
int TackpinWindow::OnValueChanging(MQWidgetBase*, MQDocument) { return 0; }
int TackpinWindow::OnHide(MQWidgetBase*, MQDocument) { return 0; }
