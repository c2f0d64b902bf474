#pragma once
// Report descriptors written out by hand from the HID usage tables: the interfaces a mouse of this
// kind shows (boot mouse, keyboard with consumer and system keys, the vendor event and command
// interfaces), shared by the parser tests and the hidraw fixtures.
#include <cstdint>
#include <vector>

namespace pelorin::testing {

using Descriptor = std::vector<std::uint8_t>;

// Boot-protocol mouse, no report ids: 3 buttons, 5 padding bits, X, Y, wheel (8 bits each).
inline const Descriptor kBootMouse = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x09, 0x01,  //   Usage (Pointer)
    0xA1, 0x00,  //   Collection (Physical)
    0x05, 0x09,  //     Usage Page (Button)
    0x19, 0x01,  //     Usage Minimum (1)
    0x29, 0x03,  //     Usage Maximum (3)
    0x15, 0x00,  //     Logical Minimum (0)
    0x25, 0x01,  //     Logical Maximum (1)
    0x95, 0x03,  //     Report Count (3)
    0x75, 0x01,  //     Report Size (1)
    0x81, 0x02,  //     Input (Data, Variable, Absolute)
    0x95, 0x01,  //     Report Count (1)
    0x75, 0x05,  //     Report Size (5)
    0x81, 0x01,  //     Input (Constant): padding
    0x05, 0x01,  //     Usage Page (Generic Desktop)
    0x09, 0x30,  //     Usage (X)
    0x09, 0x31,  //     Usage (Y)
    0x09, 0x38,  //     Usage (Wheel)
    0x15, 0x81,  //     Logical Minimum (-127)
    0x25, 0x7F,  //     Logical Maximum (127)
    0x75, 0x08,  //     Report Size (8)
    0x95, 0x03,  //     Report Count (3)
    0x81, 0x06,  //     Input (Data, Variable, Relative)
    0xC0,        //   End Collection
    0xC0,        // End Collection
};

// Gaming mouse with report id 1: 5 buttons, 3 padding bits, 16-bit X and Y, wheel and AC pan.
inline const Descriptor kReportIdMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,  // Generic Desktop, Mouse, Collection (Application)
    0x85, 0x01,                          //   Report ID (1)
    0x09, 0x01, 0xA1, 0x00,              //   Pointer, Collection (Physical)
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05,  //     Button 1..5
    0x15, 0x00, 0x25, 0x01,              //     Logical 0..1
    0x95, 0x05, 0x75, 0x01, 0x81, 0x02,  //     5 x 1 bit Input (Data, Variable)
    0x95, 0x01, 0x75, 0x03, 0x81, 0x03,  //     1 x 3 bits Input (Constant, Variable): padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31,  //     Generic Desktop X, Y
    0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F,  //     Logical -32767..32767
    0x75, 0x10, 0x95, 0x02, 0x81, 0x06,  //     2 x 16 bits Input (Relative)
    0x09, 0x38, 0x15, 0x81, 0x25, 0x7F,  //     Wheel, Logical -127..127
    0x75, 0x08, 0x95, 0x01, 0x81, 0x06,  //     1 x 8 bits Input (Relative)
    0x05, 0x0C, 0x0A, 0x38, 0x02,        //     Consumer page, Usage (AC Pan)
    0x95, 0x01, 0x81, 0x06,              //     1 x 8 bits Input (Relative)
    0xC0, 0xC0,                          //   End Collection x2
};

// Keyboard (id 1, LED output), consumer keys (id 2), system control (id 3) on one interface.
inline const Descriptor kKeyboardConsumerSystem = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  // Generic Desktop, Keyboard, Collection (Application)
    0x85, 0x01,                          //   Report ID (1)
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,  //   Keyboard page, Left Control .. Right GUI
    0x15, 0x00, 0x25, 0x01,              //   Logical 0..1
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02,  //   8 x 1 bit Input: modifiers
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,  //   1 x 8 bits Input (Constant): reserved
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05,  //   LED page, Num Lock .. Kana
    0x95, 0x05, 0x75, 0x01, 0x91, 0x02,  //   5 x 1 bit Output
    0x95, 0x01, 0x75, 0x03, 0x91, 0x01,  //   1 x 3 bits Output (Constant)
    0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0x00,  // Keyboard page, usages 0..255
    0x15, 0x00, 0x26, 0xFF, 0x00,              // Logical 0..255
    0x95, 0x06, 0x75, 0x08, 0x81, 0x00,        // 6 x 8 bits Input (Array): key codes
    0xC0,                                      // End Collection
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01,        // Consumer page, Consumer Control, Collection
    0x85, 0x02,                                //   Report ID (2)
    0x19, 0x00, 0x2A, 0x3C, 0x02,              //   Usages 0..0x23C
    0x15, 0x00, 0x26, 0x3C, 0x02,              //   Logical 0..0x23C
    0x95, 0x01, 0x75, 0x10, 0x81, 0x00,        //   1 x 16 bits Input (Array)
    0xC0,                                      //   End Collection
    0x05, 0x01, 0x09, 0x80, 0xA1, 0x01,        // Generic Desktop, System Control, Collection
    0x85, 0x03,                                //   Report ID (3)
    0x19, 0x81, 0x29, 0x82,                    //   System Power Down, System Sleep
    0x15, 0x00, 0x25, 0x01,                    //   Logical 0..1
    0x95, 0x02, 0x75, 0x01, 0x81, 0x02,        //   2 x 1 bit Input
    0x95, 0x01, 0x75, 0x06, 0x81, 0x03,        //   1 x 6 bits Input (Constant): padding
    0xC0,                                      // End Collection
};

// Vendor-defined event interface: input report 0x05 with 32 data bytes.
inline const Descriptor kVendorEvent = {
    0x06, 0x00, 0xFF,              // Usage Page (Vendor Defined 0xFF00)
    0x09, 0x01,                    // Usage (1)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x05,                    //   Report ID (5)
    0x09, 0x02,                    //   Usage (2)
    0x15, 0x00, 0x26, 0xFF, 0x00,  // Logical 0..255
    0x75, 0x08, 0x95, 0x20,        //   32 x 8 bits
    0x81, 0x02,                    //   Input (Data, Variable)
    0xC0,                          // End Collection
};

// Vendor-defined command interface: feature report 0x0C with 32 data bytes. The usage page is
// given with a four-byte item and the sizes are kept across a push/pop pair.
inline const Descriptor kVendorCommand = {
    0x07, 0x00, 0xFF, 0x00, 0x00,  // Usage Page (Vendor Defined 0xFF00), four-byte form
    0x09, 0x01,                    // Usage (1)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x0C,                    //   Report ID (12)
    0x15, 0x00, 0x26, 0xFF, 0x00,  //   Logical 0..255
    0x75, 0x08, 0x95, 0x20,        //   32 x 8 bits
    0xA4,                          //   Push
    0x75, 0x10, 0x95, 0x40,        //     64 x 16 bits (changed inside the push only)
    0xB4,                          //   Pop
    0x09, 0x03,                    //   Usage (3)
    0xB1, 0x02,                    //   Feature (Data, Variable)
    0xC0,                          // End Collection
};

// Event interface that also carries the command feature report: both lengths are 33.
inline const Descriptor kVendorEventAndCommand = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // Vendor page, Usage (1), Collection
    0x15, 0x00, 0x26, 0xFF, 0x00,              //   Logical 0..255
    0x75, 0x08, 0x95, 0x20,                    //   32 x 8 bits
    0x85, 0x05, 0x09, 0x02, 0x81, 0x02,        //   Report ID (5), Input
    0x85, 0x0C, 0x09, 0x03, 0xB1, 0x02,        //   Report ID (12), Feature
    0xC0,                                      // End Collection
};

}  // namespace pelorin::testing
