// The shapes of what the bridge hands over: the windows' tables and the program's state.

/**
 * @typedef {[number, number, number]} Rgb
 * @typedef {{family: string, points: number, bold: boolean, italic: boolean}} Font
 * @typedef {'Label' | 'Button' | 'PictureButton' | 'TextBox' | 'Line' | 'Picture'} Kind
 * @typedef {{name: string, kind: Kind, rect: [number, number, number, number], caption: string,
 *   fore: Rgb | null, back: Rgb | null, font: Font, align: 'Left' | 'Center' | 'Right',
 *   visible: boolean, picture: string, iconSide: number, announced: boolean, tooltip: string,
 *   accessibleName: string, labelledBy: string}} ControlSpec
 * @typedef {{name: string, caption: string, clientWidth: number, clientHeight: number,
 *   background: Rgb, mainWindow: boolean, cancelButton: string, checkButton: string,
 *   initialFocus: string,
 *   tabOrder: string[], controls: ControlSpec[]}} WindowLayout
 * A control's or window's state, whole the first time the page is told of it, and after that
 * with only the values that changed (the name always):
 * @typedef {{name: string, text?: string, fore?: Rgb | null, visible?: boolean}} ControlState
 * @typedef {{name: string, state?: 'hidden' | 'shown', left?: number, top?: number, raises?: number,
 *   focus?: string, focusRequests?: number, controls?: ControlState[]}} WindowState
 * @typedef {{running: boolean, intervalMs: number, starts: number}} TimerState
 * @typedef {{ended: boolean, beeps: number, timers: Record<string, TimerState>,
 *   windows: WindowState[]}} ProgramState
 * @typedef {{width: number, height: number}} SizeTwips
 */

export {};
