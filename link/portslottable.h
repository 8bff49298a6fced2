// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PORTSLOTTABLE_H
#define LUMETRA_PORTSLOTTABLE_H

#include "serialdiagnostics.h"

#include <cstdint>

// Room in the port table: nine ports and the end mark.
constexpr int PortTableEntries = 10;
constexpr int MaxListedPorts = PortTableEntries - 1;
constexpr unsigned char PortTableEndMark = 0xFF;
constexpr int PortSlotCount = 5;
constexpr int DefaultPortBaudRate = 9600;

// The five ports opened by number, kept the same way on every operating
// system. Handles supplies the platform's handle:
//   using Handle = ...;  static Handle none();  static bool close(Handle);  // true: closed
// The caller holds the device lock around every operation.
template<typename Handles, typename ControlBlock> class PortSlotTable
{
public:
    using Handle = typename Handles::Handle;

    struct Slot
    {
        int32_t portNumber; // -1 while free
        Handle handle;
        int32_t openState; // 1 while open
        ControlBlock controlBlock;
        int32_t adoptionState; // 0 never adopted, 1 waiting to be made current, 2 made current
    };

    explicit PortSlotTable(const ControlBlock &initial)
    {
        for (Slot &slot : entries)
            slot = Slot { -1, Handles::none(), 0, initial, 0 };
    }

    ~PortSlotTable()
    {
        for (Slot &slot : entries) {
            if (slot.openState == 1)
                Handles::close(slot.handle);
        }
    }

    PortSlotTable(const PortSlotTable &) = delete;
    PortSlotTable &operator=(const PortSlotTable &) = delete;

    // Opening by number around the platform's own opening, open(Handle &,
    // ControlBlock &) -> bool, which opens and configures the port and writes
    // its own diagnostics. Returns -1 when a slot holds the port open already
    // or the opening failed, else the port number. With every slot taken the
    // port is not recorded and its handle is closed: nothing else ever would.
    template<typename Open> int open(int portNumber, Open &&openPort)
    {
        const int held = indexHolding(portNumber);
        if (held >= 0 && entries[held].openState != 0)
            return -1;
        Handle handle = Handles::none();
        ControlBlock block {};
        if (!openPort(handle, block))
            return -1;
        if (const int free = firstFreeIndex(); free >= 0)
            entries[free] = Slot { portNumber, handle, 1, block, 1 };
        else
            Handles::close(handle);
        return portNumber;
    }

    // 0 when the port was closed; 1 when no slot holds it open or closing
    // failed (then with a diagnostic, and the slot keeps its port number).
    int close(int portNumber)
    {
        const int index = indexHolding(portNumber);
        if (index < 0 || entries[index].openState != 1)
            return 1;
        Slot &slot = entries[index];
        slot.openState = 0;
        if (!Handles::close(slot.handle)) {
            reportCloseFailure();
            return 1;
        }
        slot.portNumber = -1;
        return 0;
    }

    Handle handleOf(int portNumber) const
    {
        const int index = indexHolding(portNumber);
        return index >= 0 ? entries[index].handle : Handles::none();
    }

    // The port of the first slot waiting to be made current, now made current;
    // -1 when no slot waits.
    int adopt()
    {
        for (Slot &slot : entries) {
            if (slot.adoptionState == 1) {
                slot.adoptionState = 2;
                return slot.portNumber;
            }
        }
        return -1;
    }

private:
    // The first slot holding portNumber; a free slot matches no port number, -1 included.
    int indexHolding(int portNumber) const
    {
        for (int index = 0; portNumber != -1 && index < PortSlotCount; ++index) {
            if (entries[index].portNumber == portNumber)
                return index;
        }
        return -1;
    }

    int firstFreeIndex() const
    {
        for (int index = 0; index < PortSlotCount; ++index) {
            if (entries[index].portNumber == -1)
                return index;
        }
        return -1;
    }

    Slot entries[PortSlotCount];
};

#endif
