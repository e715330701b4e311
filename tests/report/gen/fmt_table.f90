! Regenerate: gfortran -o /tmp/fmt_table tests/report/gen/fmt_table.f90 && /tmp/fmt_table > tests/data/fortran_format_table.txt
!
! Reference table for report/fortran_format: what gfortran writes for each
! (descriptor, value) pair. One row per pair: descriptor|value|field.
! Real values are given as the hex bit pattern of the double, integers in
! decimal. Descriptors Nk are the adaptive number field of width k, Vk the
! variable-width integer field of width k.
program fmt_table
  use, intrinsic :: ieee_arithmetic
  implicit none
  integer, parameter :: dp = kind(1d0)
  character(len=6), parameter :: rdesc(*) = [character(len=6) :: &
       'F12.3', 'F12.5', 'F10.2', 'F9.3', 'F8.4', 'F7.2', 'F15.0', 'F12.0', &
       'F5.2', 'F4.2', 'F3.2', 'F4.0', 'F3.0', 'F2.0', 'F1.0', 'F30.0', 'F25.20', &
       'E12.4', 'E15.7', 'E9.2', 'E10.3', 'E8.2', 'E7.2', 'E6.1', 'E30.20']
  integer, parameter :: adapt(*) = [9, 10, 11, 12, 13, 15, 16]
  character(len=4), parameter :: idesc(*) = [character(len=4) :: 'I5', 'I10', 'I0', 'I1', 'I2', 'I20']
  integer, parameter :: ivw(*) = [0, 1, 5, 10, 16, 17, -3]
  real(dp), allocatable :: v(:)
  integer(8) :: iv(22)
  integer :: i, j, n
  real(dp) :: t

  allocate(v(0))
  ! zeros, signs, halves at the rounding digit
  call add(0d0); call add(-0d0)
  call add(0.125d0); call add(-0.125d0); call add(0.375d0); call add(0.625d0)
  call add(2.5d0); call add(3.5d0); call add(-2.5d0); call add(0.5d0); call add(-0.5d0)
  call add(1.5d0); call add(0.25d0); call add(0.05d0); call add(0.35d0)
  call add(nearest(2.5d0, 1d0)); call add(nearest(2.5d0, -1d0))
  call add(nearest(0.5d0, -1d0)); call add(nearest(0.125d0, 1d0))
  call add(0.0005d0); call add(0.00049999d0); call add(-0.0005d0); call add(0.0015d0)
  call add(-0.001d0); call add(-0.004d0); call add(-0.006d0); call add(-0.4d0)
  call add(1.0005d0); call add(9.9995d0); call add(9.99949d0); call add(0.99995d0)
  call add(4503599627370497.5d0); call add(99999999999999.5d0)
  ! ordinary values
  call add(1d0); call add(-1d0); call add(0.1d0); call add(12.345d0); call add(-12.345d0)
  call add(3.14159265358979d0); call add(1234.5678d0); call add(-98765.4321d0)
  call add(9999.9995d0); call add(9999.99949d0)
  ! around 10000, 10^(E-3)-1 and the other adaptive limits
  call add(10000d0); call add(nearest(10000d0, 1d0)); call add(nearest(10000d0, -1d0))
  call add(10000.5d0); call add(-10000.0001d0); call add(99999.5d0); call add(123456.789d0)
  call add(999999.5d0); call add(1d6); call add(9999999d0); call add(9999999.4d0)
  call add(9999999.5d0); call add(1d7); call add(-1d7); call add(123456789d0)
  call add(99999999.5d0); call add(1d8)
  call add(999999999d0); call add(999999999.5d0); call add(1d9); call add(1d10)
  call add(9999999999d0); call add(nearest(9999999999d0, 1d0))
  call add(1.5d11); call add(99999999999d0)
  call add(real(1e12, dp)); call add(real(1e12, dp) - 1d0); call add(real(1e12, dp) - 0.5d0)
  call add(1d12); call add(999999999999d0); call add(1d13); call add(1d14); call add(-1d15)
  call add(1d20); call add(1d23)
  do i = -8, -1
    t = real(p10(i), dp)
    call add(t); call add(nearest(t, 1d0)); call add(nearest(t, -1d0))
  end do
  call add(1d-3); call add(1d-5); call add(0.05d0); call add(-0.05d0); call add(0.09d0)
  call add(0.0001234d0); call add(1.234d-8); call add(-4.5678d-7)
  ! tiny values and the zero threshold
  call add(1d-12); call add(real(1e-12, dp)); call add(nearest(real(1e-12, dp), -1d0))
  call add(9.9d-13); call add(-9.9d-13); call add(1.1d-12); call add(-2d-12)
  call add(1d-20); call add(1d-25); call add(1d-30)
  ! very large, very small, beyond three exponent digits
  call add(1.23456789d100); call add(-9.87654321d-100); call add(0.99995d-99)
  call add(9.9951d99); call add(9.9949d99); call add(1d-99); call add(1d-100)
  call add(1d300); call add(-1d300); call add(huge(1d0)); call add(tiny(1d0))
  call add(transfer(1_8, 1d0))
  ! infinities and NaN
  call add(ieee_value(1d0, ieee_positive_inf)); call add(ieee_value(1d0, ieee_negative_inf))
  call add(ieee_value(1d0, ieee_quiet_nan)); call add(-ieee_value(1d0, ieee_quiet_nan))

  iv = [0_8, 1_8, -1_8, 7_8, -7_8, 42_8, 1234_8, -1234_8, 12345_8, -12345_8, 99999_8, &
        100000_8, 123456789_8, -123456789_8, 1234567890_8, -1234567890_8, 9999999999_8, &
        -999999999_8, 1000000000000000_8, -10000000000000000_8, huge(1_8), -huge(1_8) - 1_8]

  write(*, '(A)') '# descriptor|value (hex bits of a double, or a decimal integer)|field'
  do i = 1, size(iv)
    do j = 1, size(idesc)
      call irow(trim(idesc(j)), iv(i))
    end do
    do j = 1, size(ivw)
      call vrow(ivw(j), iv(i))
    end do
  end do
  n = size(v)
  do i = 1, n
    do j = 1, size(rdesc)
      call rrow(trim(rdesc(j)), v(i))
    end do
    do j = 1, size(adapt)
      call nrow(adapt(j), v(i))
    end do
  end do

contains

  subroutine add(x)
    real(dp), intent(in) :: x
    v = [v, x]
  end subroutine

  function hex(x) result(h)
    real(dp), intent(in) :: x
    character(len=16) :: h
    write(h, '(Z16.16)') transfer(x, 0_8)
  end function

  subroutine rrow(d, x)
    character(len=*), intent(in) :: d
    real(dp), intent(in) :: x
    character(len=64) :: buf
    write(buf, '(' // d // ')') x
    write(*, '(A)') d // '|' // hex(x) // '|' // trim(buf)
  end subroutine

  subroutine irow(d, k)
    character(len=*), intent(in) :: d
    integer(8), intent(in) :: k
    character(len=64) :: buf, val
    write(buf, '(' // d // ')') k
    write(val, '(I0)') k
    write(*, '(A)') d // '|' // trim(val) // '|' // trim(buf)
  end subroutine

  ! Variable-width integer field: widths outside 1..16 become 10.
  subroutine vrow(w0, k)
    integer, intent(in) :: w0
    integer(8), intent(in) :: k
    character(len=64) :: buf, val, f
    integer :: w
    w = w0
    if (w < 1 .or. w > 16) w = 10
    write(f, '(A,I0,A)') '(I', w, ')'
    write(buf, f) k
    write(val, '(I0)') k
    write(f, '(A,I0)') 'V', w0
    write(*, '(A)') trim(f) // '|' // trim(val) // '|' // trim(buf)
  end subroutine

  ! Single-precision 10**n, read from its decimal literal (correctly rounded).
  function p10(n) result(p)
    integer, intent(in) :: n
    real :: p
    character(len=16) :: s
    write(s, '(A,I0)') '1E', n
    read(s, *) p
  end function

  ! Adaptive number field of width ie: one blank and the value in ie-1 columns.
  subroutine nrow(ie, x0)
    integer, intent(in) :: ie
    real(dp), intent(in) :: x0
    character(len=64) :: buf, f
    real(dp) :: x, a
    x = x0
    if (ieee_is_nan(x)) then
      buf = '  Not-a-Number'
    else
      a = abs(x)
      if (a < real(p10(-12), dp)) then
        x = 0d0
        a = 0d0
      end if
      if (a == 0d0 .or. a < real(p10(-25), dp)) then
        write(f, '(A,I0,A,I0,A)') '(1X,F', ie - 1, '.', ie - 8, ')'
      else if (a > real(p10(ie - 3), dp) - 1d0) then
        write(f, '(A,I0,A,I0,A)') '(1X,E', ie - 1, '.', ie - 8, ')'
      else if (a > 10000d0) then
        write(f, '(A,I0,A)') '(1X,F', ie - 1, '.0)'
      else if (a > real(p10(9 - ie), dp)) then
        write(f, '(A,I0,A,I0,A)') '(1X,F', ie - 1, '.', ie - 7, ')'
      else if (a >= real(p10(7 - ie), dp)) then
        write(f, '(A,I0,A,I0,A)') '(1X,F', ie - 1, '.', ie - 5, ')'
      else
        write(f, '(A,I0,A,I0,A)') '(1X,E', ie - 1, '.', ie - 8, ')'
      end if
      write(buf, f) x
    end if
    write(f, '(A,I0)') 'N', ie
    write(*, '(A)') trim(f) // '|' // hex(x0) // '|' // trim(buf)
  end subroutine

end program fmt_table
