#pragma once

class Form1;

// Scans the desktop for the browser window of an auction and takes it over; otherwise leaves
// the window in its no-item state.
void CaptureAuction(Form1& form);
